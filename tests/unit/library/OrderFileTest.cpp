// Position.lst: the saved order applied to a rescan, written back exactly, and never a danger when it
// is damaged or cannot be written.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "LibraryFixture.h"
#include "package/OrderFile.h"

namespace velgaro::test {
namespace {

TEST(OrderFileTextTest, LinesEndAtCarriageReturnsWithOrWithoutLineFeed) {
  EXPECT_EQ(ParseOrderLines("\r\na\r\nb\r\n"), (std::vector<std::string>{"", "a", "b"}));
  EXPECT_EQ(ParseOrderLines("a\rb\r\nc"), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(ParseOrderLines("a\nb"), (std::vector<std::string>{"a\nb"}));   // a lone LF ends no line
  EXPECT_TRUE(ParseOrderLines("").empty());
}

TEST(OrderFileTextTest, SavedNamesAreAnEmptyLineThenOneNamePerLine) {
  EXPECT_EQ(FormatOrderFile({"a", "b"}), "\r\na\r\nb\r\n");
}

TEST(OrderFileTextTest, NamedPackagesComeFirstAndTheOthersWhereTheSwapsLeaveThem) {
  std::vector<std::string> names{"a", "b", "c", "d"};
  ApplySavedOrder(names, {"", "d", "b", "x"});
  EXPECT_EQ(names, (std::vector<std::string>{"d", "b", "c", "a"}));
}

TEST(OrderFileTextTest, ANameListedTwiceIsSwappedAgainIntoTheNextPlace) {
  std::vector<std::string> names{"a", "b", "c"};
  ApplySavedOrder(names, {"b", "b"});
  EXPECT_EQ(names, (std::vector<std::string>{"a", "b", "c"}));
  // More matches than rows: the extra lines have no place to go.
  std::vector<std::string> two{"a", "b"};
  ApplySavedOrder(two, {"b", "a", "a", "b", "a"});
  EXPECT_EQ(two, (std::vector<std::string>{"b", "a"}));
}

TEST(OrderFileTextTest, NamesAreComparedWithCase) {
  std::vector<std::string> names{"alpha", "Beta"};
  ApplySavedOrder(names, {"beta"});
  EXPECT_EQ(names, (std::vector<std::string>{"alpha", "Beta"}));
}

// The rule as written: each line, in turn, finds the first equal name by looking through the rows
// from the first, and swaps it into the next place.
std::vector<std::string> OrderedByTheRule(std::vector<std::string> names, const std::vector<std::string>& lines) {
  std::size_t front = 0;
  for (const std::string& line : lines) {
    if (front >= names.size()) break;
    const auto it = std::find(names.begin(), names.end(), line);
    if (it == names.end()) continue;
    std::swap(*it, names[front++]);
  }
  return names;
}

TEST(OrderFileTextTest, TheOrderIsTheRulesWhateverTheLines) {
  std::mt19937 random(23);
  for (int round = 0; round < 300; ++round) {
    std::vector<std::string> names;
    const int count = static_cast<int>(random() % 40);
    for (int i = 0; i < count; ++i) names.push_back("n" + std::to_string(i * 7 % 41));
    std::vector<std::string> lines;
    for (int i = static_cast<int>(random() % 60); i > 0; --i) lines.push_back("n" + std::to_string(random() % 50));
    std::vector<std::string> ordered = names;
    ApplySavedOrder(ordered, lines);
    EXPECT_EQ(ordered, OrderedByTheRule(names, lines)) << "round " << round;
  }
}

TEST(OrderFileTextTest, ALongOrderLetsTheWindowThroughMeanwhile) {
  std::vector<std::string> names, lines;
  for (int i = 0; i < 20000; ++i) names.push_back("p" + std::to_string(i));
  lines.assign(names.rbegin(), names.rend());
  int calls = 0;
  ApplySavedOrder(names, lines, [&] { ++calls; });
  EXPECT_EQ(names, lines);
  EXPECT_GE(calls, 4);
}

using OrderFileTest = LibraryFixture;

TEST_F(OrderFileTest, AReopenedFolderShowsTheSavedOrder) {
  for (const char* n : {"a", "b", "c", "d"}) AddPackage(n);
  fs.AddFile(std::string(kFolder) + "\\Position.lst", "\r\nd\r\nb\r\nx\r\n");
  Open();
  EXPECT_EQ(Texts(), (std::vector<std::string>{"d", "b", "c", "a"}));
}

TEST_F(OrderFileTest, MovedRowsAreSavedWhenTheWindowCloses) {
  for (const char* n : {"a", "b", "c"}) AddPackage(n);
  Open().MarkRow(3);
  model->MoveUpLV();
  model->MoveUpLV();
  EXPECT_EQ(OrderFileText(), "");   // moving does not write yet
  model->Unload();
  EXPECT_EQ(OrderFileText(), "\r\nc\r\na\r\nb\r\n");
}

TEST_F(OrderFileTest, AnEmptyListNeverWritesTheFile) {
  Open().Unload();
  EXPECT_FALSE(fs.Exists(std::string(kFolder) + "\\Position.lst"));
  EXPECT_FALSE(model->Library().SavePositionList());
}

TEST_F(OrderFileTest, AFailedWriteKeepsTheOldOrder) {
  for (const char* n : {"a", "b"}) AddPackage(n);
  fs.AddFile(std::string(kFolder) + "\\Position.lst", "\r\nb\r\na\r\n");
  Open().MarkRow(1);
  model->MoveDownLV();
  fs.SetFailWrites(true);
  EXPECT_FALSE(model->Library().SavePositionList());
  EXPECT_EQ(OrderFileText(), "\r\nb\r\na\r\n");
}

TEST_F(OrderFileTest, RandomBytesNeitherCrashNorTouchAnyPackage) {
  for (const char* n : {"a", "b", "c"}) AddPackage(n);
  std::mt19937 random(7);
  for (int round = 0; round < 50; ++round) {
    std::string junk(static_cast<std::size_t>(random() % 4096), '\0');
    for (char& c : junk) c = static_cast<char>(random() % 256);
    fs.AddFile(std::string(kFolder) + "\\Position.lst", junk);
    const std::size_t writes = fs.WriteCount();
    model.reset();
    Open();
    std::vector<std::string> texts = Texts();
    std::sort(texts.begin(), texts.end());
    EXPECT_EQ(texts, (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(fs.WriteCount(), writes);
  }
}

TEST_F(OrderFileTest, NamesOutsideTheFolderOnlyFailToMatch) {
  for (const char* n : {"a", "b"}) AddPackage(n);
  fs.AddFile("C:\\Other\\secret.vgp", "keep");
  fs.AddFile(std::string(kFolder) + "\\Position.lst", "\r\n..\\Other\\secret\r\nC:\\Other\\secret\r\nb\r\n");
  Open();
  EXPECT_EQ(Texts(), (std::vector<std::string>{"b", "a"}));
  model->ListSelectAll();
  dialogs.answers = {kIdYes};
  model->DelSelect();
  EXPECT_EQ(fs.Text("C:\\Other\\secret.vgp"), "keep");
}

TEST_F(OrderFileTest, AnOversizedFileIsNoOrderFile) {
  for (const char* n : {"a", "b"}) AddPackage(n);
  std::string huge = "\r\nb\r\n";
  huge.append(17u << 20, 'x');
  fs.AddFile(std::string(kFolder) + "\\Position.lst", huge);
  Open();
  EXPECT_EQ(Texts(), (std::vector<std::string>{"a", "b"}));
}

}  // namespace
}  // namespace velgaro::test
