#include <gtest/gtest.h>

#include "platform/posix/PosixXml.h"
#include "platform/sim/SimPlatform.h"
#include "wizard/FolderPathFile.h"

namespace velgaro {
namespace {

class FolderPathFileTest : public ::testing::Test {
 protected:
  static constexpr const char* kFile = "C:\\Tools\\FolderPath.xml";
  FolderPathFileTest() { fs.AddFolder("C:\\Tools"); }
  std::vector<SavedFolder> Read(const std::string& text) {
    fs.AddFile(kFile, text);
    return ReadFolderPathFile(fs, xml, kFile);
  }

  SimFileSystem fs;
  PosixXml xml;
};

TEST_F(FolderPathFileTest, WritesTheDocumentAsTheDomSavesIt) {
  ASSERT_TRUE(WriteFolderPathFile(fs, xml, kFile, {{"Editor", "C:\\Program Files\\Editor"}, {"A&B <x>", ""}}));
  EXPECT_EQ(fs.Text(kFile),
            "<?xml version=\"1.0\"?><list><vgp><name>Editor</name><path>C:\\Program Files\\Editor</path></vgp>"
            "<vgp><name>A&amp;B &lt;x&gt;</name><path></path></vgp></list>");
  EXPECT_EQ(ReadFolderPathFile(fs, xml, kFile),
            (std::vector<SavedFolder>{{"Editor", "C:\\Program Files\\Editor"}, {"A&B <x>", ""}}));
}

TEST_F(FolderPathFileTest, ReadsRussianNamesAndIndentedFiles) {
  EXPECT_EQ(Read("<?xml version=\"1.0\"?>\r\n<list>\r\n  <vgp>\r\n    <name>Редактор</name>\r\n"
                 "    <path> C:\\Программы\\Ред </path>\r\n  </vgp>\r\n</list>\r\n"),
            (std::vector<SavedFolder>{{"Редактор", "C:\\Программы\\Ред"}}));
}

TEST_F(FolderPathFileTest, TakesEveryVgpElementAsTheDomListsThem) {
  // A "vgp" with a single child node keeps both fields empty; the last "name" wins; a "vgp" inside
  // another counts too, after it.
  const auto records = Read(
      "<list><vgp><name>only</name></vgp>"
      "<vgp><name>first</name><name>second</name><path>P</path>"
      "<vgp><name>inner</name><path>Q</path></vgp></vgp></list>");
  EXPECT_EQ(records, (std::vector<SavedFolder>{{"", ""}, {"second", "P"}, {"inner", "Q"}}));
}

TEST_F(FolderPathFileTest, HostileOrBrokenFilesAreIgnored) {
  EXPECT_TRUE(ReadFolderPathFile(fs, xml, kFile).empty());   // missing
  EXPECT_TRUE(Read("").empty());
  EXPECT_TRUE(Read("<list><vgp><name>a</name><path>b</path></vgp>").empty());            // unclosed
  EXPECT_TRUE(Read("<list><vgp><name>a</name><path>b</path></vgp></list><list/>").empty());   // two roots
  EXPECT_TRUE(Read("<list><vgp/></list>").empty());                                        // no text at all
  EXPECT_TRUE(Read("<?xml version=\"1.0\"?><!DOCTYPE list [<!ENTITY e SYSTEM \"file:///etc/passwd\">]>"
                   "<list><vgp><name>a</name><path>&e;</path></vgp></list>")
                  .empty());
  EXPECT_TRUE(Read("<!DOCTYPE list SYSTEM \"http://example.invalid/x.dtd\"><list><vgp><name>a</name>"
                   "<path>b</path></vgp></list>")
                  .empty());
  std::string deep;
  for (int i = 0; i < 100000; ++i) deep += "<a>";
  EXPECT_TRUE(Read(deep + "x").empty());
  std::string nested = "<list><vgp><name>n</name><path>p</path></vgp>";
  for (int i = 0; i < 70; ++i) nested += "<a>";
  nested += "t";
  for (int i = 0; i < 70; ++i) nested += "</a>";
  EXPECT_TRUE(Read(nested + "</list>").empty());
}

TEST_F(FolderPathFileTest, RefusesAFileAboveTheLimitWithoutParsingIt) {
  std::string good = "<list><vgp><name>a</name><path>b</path></vgp></list>";
  fs.AddFile(kFile, good);
  fs.SetFileSize(kFile, kMaxFolderPathFileBytes + 1);
  EXPECT_TRUE(ReadFolderPathFile(fs, xml, kFile).empty());
  std::string padded = good + std::string(kMaxFolderPathFileBytes, ' ');
  EXPECT_TRUE(Read(padded).empty());
  EXPECT_EQ(Read(good).size(), 1u);
}

TEST_F(FolderPathFileTest, AFailedWriteLeavesTheOldFile) {
  fs.AddFile(kFile, "old");
  fs.SetFailWrites(true);
  EXPECT_FALSE(WriteFolderPathFile(fs, xml, kFile, {{"a", "b"}}));
  EXPECT_EQ(fs.Text(kFile), "old");
}

}  // namespace
}  // namespace velgaro
