// Files and folders on the real (Wine) file system.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/win32/WideText.h"
#include "platform/win32/Win32FileSystem.h"
#include "win32/TempFolder.h"

namespace velgaro::win32 {
namespace {

Bytes BytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

class FileSystemTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(folder.Path().empty()); }

  void MakeReadOnly(const std::string& path) {
    ASSERT_TRUE(SetFileAttributesW(ToWide(path).c_str(), FILE_ATTRIBUTE_READONLY));
  }

  test::TempFolder folder;
  Win32FileSystem fs;
};

TEST_F(FileSystemTest, WriteCreatesThenReplacesWithoutLeftovers) {
  const std::string path = folder.File("Пакет.vgp");
  ASSERT_TRUE(fs.WriteAllReplacing(path, BytesOf("first, longer content")));
  ASSERT_TRUE(fs.WriteAllReplacing(path, BytesOf("second")));
  EXPECT_EQ(fs.ReadAll(path), BytesOf("second"));
  EXPECT_EQ(fs.FileSize(path), 6u);
  EXPECT_EQ(fs.List(folder.Path(), "*"), std::vector<std::string>{"Пакет.vgp"});
}

TEST_F(FileSystemTest, ReadOnlyTargetIsRefusedAndKeptIntact) {
  const std::string path = folder.File("locked.vgp");
  ASSERT_TRUE(fs.WriteAllReplacing(path, BytesOf("original")));
  MakeReadOnly(path);
  EXPECT_FALSE(fs.WriteAllReplacing(path, BytesOf("replacement")));
  EXPECT_EQ(fs.ReadAll(path), BytesOf("original"));
  EXPECT_EQ(fs.List(folder.Path(), "*"), std::vector<std::string>{"locked.vgp"});
}

TEST_F(FileSystemTest, WriteFailsForMissingFolderFolderTargetOrBadName) {
  EXPECT_FALSE(fs.WriteAllReplacing(folder.File("missing\\a.vgp"), BytesOf("x")));
  ASSERT_TRUE(fs.CreateFolder(folder.File("sub")));
  EXPECT_FALSE(fs.WriteAllReplacing(folder.File("sub"), BytesOf("x")));
  EXPECT_FALSE(fs.WriteAllReplacing(folder.File("a.vgp") + std::string(1, '\0') + ".exe", BytesOf("x")));
  EXPECT_FALSE(fs.WriteAllReplacing(folder.File("*.vgp"), BytesOf("x")));
  EXPECT_EQ(fs.List(folder.Path(), "*"), std::vector<std::string>{"sub"});
}

TEST_F(FileSystemTest, EmptyContentMakesEmptyFile) {
  const std::string path = folder.File("empty.bin");
  ASSERT_TRUE(fs.WriteAllReplacing(path, {}));
  EXPECT_EQ(fs.ReadAll(path), Bytes{});
  EXPECT_EQ(fs.FileSize(path), 0u);
}

TEST_F(FileSystemTest, ExistenceOfFilesFoldersAndRoots) {
  const std::string file = folder.File("a.exe");
  ASSERT_TRUE(fs.WriteAllReplacing(file, BytesOf("MZ")));
  struct Case {
    std::string path;
    bool exists;
    bool folder;
  };
  const Case cases[] = {
      {file, true, false},
      {folder.Path(), true, true},
      {folder.Path() + "\\", true, true},
      {"C:\\", true, true},
      {folder.File("b.exe"), false, false},
      {folder.File("*.exe"), false, false},
      {"", false, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(fs.Exists(c.path), c.exists) << c.path;
    EXPECT_EQ(fs.IsDirectory(c.path), c.folder) << c.path;
  }
  EXPECT_FALSE(fs.ReadAll(folder.Path()).has_value());
  EXPECT_FALSE(fs.FileSize(folder.Path()).has_value());
  EXPECT_FALSE(fs.ReadAll(folder.File("b.exe")).has_value());
}

TEST_F(FileSystemTest, ListMatchesPatternAndSkipsDotEntries) {
  for (const char* name : {"English.lng", "Russian.lng", "readme.txt"}) {
    ASSERT_TRUE(fs.WriteAllReplacing(folder.File(name), BytesOf(name)));
  }
  ASSERT_TRUE(fs.CreateFolder(folder.File("sub")));
  std::vector<std::string> languages = fs.List(folder.Path(), "*.lng");
  std::sort(languages.begin(), languages.end());
  EXPECT_EQ(languages, (std::vector<std::string>{"English.lng", "Russian.lng"}));
  EXPECT_EQ(fs.List(folder.Path() + "\\", "*").size(), 4u);
  EXPECT_TRUE(fs.List(folder.File("missing"), "*").empty());
}

TEST_F(FileSystemTest, CreateAndRemove) {
  const std::string sub = folder.File("sub");
  EXPECT_TRUE(fs.CreateFolder(sub));
  EXPECT_FALSE(fs.CreateFolder(sub));
  const std::string file = sub + "\\x.txt";
  ASSERT_TRUE(fs.WriteAllReplacing(file, BytesOf("x")));
  EXPECT_FALSE(fs.Remove(sub));  // not empty
  EXPECT_TRUE(fs.Remove(file));
  EXPECT_TRUE(fs.Remove(sub));
  EXPECT_FALSE(fs.Exists(sub));
  EXPECT_FALSE(fs.Remove(sub));
}

TEST_F(FileSystemTest, RenameCopyAndAttributesAsTheDiskAndThePropertiesUseThem) {
  const std::string a = folder.File("alpha.vgp"), b = folder.File("beta.vgp"), c = folder.File("Копия.vgp");
  ASSERT_TRUE(fs.WriteAllReplacing(a, BytesOf("alpha")));
  ASSERT_TRUE(fs.WriteAllReplacing(b, BytesOf("beta")));
  // Another file of the new name is never replaced; a change of letter case renames the file itself.
  EXPECT_FALSE(fs.Rename(a, b));
  EXPECT_EQ(fs.ReadAll(b), BytesOf("beta"));
  EXPECT_TRUE(fs.Rename(a, folder.File("ALPHA.vgp")));
  EXPECT_EQ(fs.ReadAll(folder.File("ALPHA.vgp")), BytesOf("alpha"));

  EXPECT_TRUE(fs.Copy(b, c, true));
  EXPECT_EQ(fs.ReadAll(c), BytesOf("beta"));
  EXPECT_FALSE(fs.Copy(folder.File("ALPHA.vgp"), c, true));   // refused: the copy is there already
  EXPECT_EQ(fs.ReadAll(c), BytesOf("beta"));
  EXPECT_FALSE(fs.Copy(folder.File("missing.vgp"), folder.File("x.vgp"), false));

  // A copy of a read-only file is read-only too until its attributes are made normal.
  MakeReadOnly(b);
  ASSERT_TRUE(fs.Copy(b, folder.File("ro.vgp"), false));
  EXPECT_FALSE(fs.WriteAllReplacing(folder.File("ro.vgp"), BytesOf("new")));
  EXPECT_TRUE(fs.SetNormalAttributes(folder.File("ro.vgp")));
  EXPECT_TRUE(fs.WriteAllReplacing(folder.File("ro.vgp"), BytesOf("new")));
  EXPECT_TRUE(fs.SetNormalAttributes(b));
}

TEST_F(FileSystemTest, EntriesWithSizesAndFreeSpace) {
  ASSERT_TRUE(fs.WriteAllReplacing(folder.File("one.bin"), Bytes(1000, 7)));
  ASSERT_TRUE(fs.CreateFolder(folder.File("sub")));
  const std::optional<std::vector<FolderEntry>> entries = fs.ListEntries(folder.Path());
  ASSERT_TRUE(entries.has_value());
  ASSERT_EQ(entries->size(), 2u);
  for (const FolderEntry& e : *entries) {
    if (e.name == "one.bin") {
      EXPECT_FALSE(e.isFolder);
      EXPECT_EQ(e.size, 1000u);
    } else {
      EXPECT_EQ(e.name, "sub");
      EXPECT_TRUE(e.isFolder);
    }
  }
  EXPECT_FALSE(fs.ListEntries(folder.File("nowhere")).has_value());
  const std::optional<std::uint64_t> free = fs.FreeBytes(folder.Path());
  ASSERT_TRUE(free.has_value());
  EXPECT_GT(*free, 0u);
}

}  // namespace
}  // namespace velgaro::win32
