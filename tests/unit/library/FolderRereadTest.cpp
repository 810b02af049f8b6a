// Reading the folder again (a reload, a refresh after another window wrote packages):
// only the files written since are opened, and what the rows show is as fresh as a first read.
#include <gtest/gtest.h>

#include "LibraryFixture.h"

namespace velgaro::test {
namespace {

using FolderRereadTest = LibraryFixture;

TEST_F(FolderRereadTest, AReloadOpensOnlyTheFilesWrittenSince) {
  AddPackage("a", kSetup, "Первый", true);
  AddPackage("b", kSetup, "Второй");
  AddPackage("c", kSetup, "Третий");
  Open();
  EXPECT_EQ(app.summaries.Reads(), 3u);
  model->Reload();
  EXPECT_EQ(app.summaries.Reads(), 3u);
  EXPECT_EQ(Cell(1, 2), "Второй");
  EXPECT_TRUE(model->Library().Rows()[0].checked);   // DefSelect applies on every read, kept or not

  AddPackage("b", kSetup, "Изменён");   // the same size: only the write time tells
  AddPackage("d", kSetup, "Новый");
  model->Reload();
  EXPECT_EQ(app.summaries.Reads(), 5u);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(Cell(1, 2), "Изменён");
  EXPECT_EQ(Cell(3, 2), "Новый");
}

TEST_F(FolderRereadTest, WhileTheFolderIsListedTheRowsShownStayWhole) {
  AddPackage("a");
  AddPackage("b");
  Open();
  AddPackage("c");
  // The window may draw whenever messages run: it must find whole rows, the old ones while the folder
  // is listed, then the new ones.
  struct Watcher : RecordedProgress {
    const PackageLibrary* library = nullptr;
    std::vector<std::vector<std::string>> seen;
    void Meanwhile() override {
      seen.emplace_back();
      for (const LibraryRow& row : library->Rows()) seen.back().push_back(row.text);
    }
  } watcher;
  watcher.library = &model->Library();
  model->SetProgress(&watcher);
  model->Reload();
  const std::vector<std::string> before{"a", "b"}, after{"a", "b", "c"};
  ASSERT_FALSE(watcher.seen.empty());
  EXPECT_EQ(watcher.seen.front(), before);
  for (const auto& shown : watcher.seen) EXPECT_TRUE(shown == before || shown == after);
  EXPECT_EQ(Texts(), after);
  EXPECT_EQ(watcher.calls, (std::vector<std::string>{"begin 3", "end"}));
}

TEST_F(FolderRereadTest, InstallersAreLookedForOnEveryRead) {
  const std::string shared = "C:\\Shared\\setup.exe";
  fs.AddFile(shared, "MZ");
  AddPackage("a", shared, "Первый");
  AddPackage("b", shared, "Второй");
  AddPackage("c", "%PROGRAMFILES%\\App\\setup.exe");
  Open();
  EXPECT_EQ(Cell(0, 1), "Ok");
  EXPECT_EQ(Cell(1, 1), "Ok");
  EXPECT_EQ(Cell(2, 1), "Не найден");

  // Packages unchanged, installers changed: the rows follow the installers.
  ASSERT_TRUE(fs.Remove(shared));
  fs.AddFile("C:\\Program Files\\App\\setup.exe", "MZ");
  model->Reload();
  EXPECT_EQ(app.summaries.Reads(), 3u);
  for (std::size_t row : {std::size_t{0}, std::size_t{1}}) {
    EXPECT_EQ(Cell(row, 1), "Не найден");
    EXPECT_EQ(Cell(row, 2), "Не найден исполняемый файл");
    EXPECT_EQ(Cell(row, 3), shared);
  }
  EXPECT_EQ(Cell(2, 1), "Ok");
  EXPECT_EQ(Cell(2, 2), "Пакет c");
  EXPECT_EQ(Cell(2, 3), "C:\\Program Files\\App\\setup.exe");
  EXPECT_EQ(model->RowTip(1), "Не найден исполняемый файл");
  EXPECT_EQ(model->RowTip(3), "");
}

TEST_F(FolderRereadTest, PropertiesReadTheirPackageAgainWhateverItsListingSays) {
  AddPackage("a", kSetup, "Старое");
  Open();
  // Another description of the same length, with the old write time: only a read can tell.
  const std::string file = std::string(kFolder) + "\\a.vgp";
  const std::uint64_t stamp = fs.ListFileEntries(kFolder, "a.vgp")->front().modified;
  AddPackage("a", kSetup, "Свежее");
  fs.SetModified(file, stamp);
  model->MarkRow(1);
  model->ReReadItem(1, "a");
  EXPECT_EQ(Cell(0, 2), "Свежее");
  model->Reload();
  EXPECT_EQ(Cell(0, 2), "Свежее");
}

}  // namespace
}  // namespace velgaro::test
