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

TEST_F(FileSystemTest, FileEntriesCarryTheSizeAndALastWriteThatMovesWithAWrite) {
  const std::string path = folder.File("a.vgp");
  ASSERT_TRUE(fs.WriteAllReplacing(path, BytesOf("12345")));
  ASSERT_TRUE(fs.WriteAllReplacing(folder.File("b.txt"), BytesOf("1")));
  ASSERT_TRUE(fs.CreateFolder(folder.File("folder.vgp")));
  std::optional<std::vector<FolderEntry>> entries = fs.ListFileEntries(folder.Path(), "*.vgp");
  ASSERT_TRUE(entries.has_value());
  ASSERT_EQ(entries->size(), 1u);
  const FolderEntry before = entries->front();
  EXPECT_EQ(before.name, "a.vgp");
  EXPECT_EQ(before.size, 5u);
  // Set back by a minute, so that the write below is later whatever the clock's resolution.
  FILETIME earlier{};
  const std::uint64_t minuteBack = before.modified - 600000000u;
  earlier.dwLowDateTime = static_cast<DWORD>(minuteBack);
  earlier.dwHighDateTime = static_cast<DWORD>(minuteBack >> 32);
  {
    HANDLE file = CreateFileW(ToWide(path).c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &earlier));
    CloseHandle(file);
  }
  EXPECT_EQ(fs.ListFileEntries(folder.Path(), "*.VGP")->front().modified, minuteBack);
  ASSERT_TRUE(fs.WriteAllReplacing(path, BytesOf("54321")));
  entries = fs.ListFileEntries(folder.Path(), "*.vgp");
  EXPECT_EQ(entries->front().size, 5u);
  EXPECT_GT(entries->front().modified, minuteBack);
  EXPECT_EQ(fs.ListFiles(folder.Path(), "*.vgp"), std::vector<std::string>{"a.vgp"});
  EXPECT_FALSE(fs.ListFileEntries(folder.File("missing"), "*").has_value());
}

TEST_F(FileSystemTest, ReadAllReadsEveryByteWhateverTheSize) {
  // Around the first buffer's size: the read that fills it exactly is not the end.
  for (const std::size_t size : {std::size_t{0}, std::size_t{1}, std::size_t{65535}, std::size_t{65536},
                                 std::size_t{65537}, std::size_t{3000000}}) {
    Bytes content(size);
    for (std::size_t i = 0; i < size; ++i) content[i] = static_cast<std::uint8_t>(i * 7 + i / 251);
    const std::string path = folder.File("size" + std::to_string(size));
    ASSERT_TRUE(fs.WriteAllReplacing(path, content));
    EXPECT_EQ(fs.ReadAll(path), content) << size;
  }
}

TEST_F(FileSystemTest, FilesReadInTurnComeInTheirOrderHoweverFarTheyWereReadAhead) {
  std::vector<std::string> paths;
  for (int i = 0; i < 300; ++i) {
    const std::string path = folder.File("f" + std::to_string(i) + ".vgp");
    // Every seventh is missing; the sizes differ so that no two contents are alike.
    if (i % 7 != 3) {
      ASSERT_TRUE(fs.WriteAllReplacing(path, Bytes(static_cast<std::size_t>(i * 13), static_cast<std::uint8_t>(i))));
    }
    paths.push_back(path);
  }
  std::unique_ptr<FileQueue> queue = fs.ReadInTurn(paths);
  for (const std::string& path : paths) {
    if (&path == &paths[100]) Sleep(50);   // the readers run ahead meanwhile, only so far
    EXPECT_EQ(queue->Next(), fs.ReadAll(path)) << path;
  }
  EXPECT_FALSE(queue->Next().has_value());

  // Dropped half-way, or with only a few files: nothing is left running.
  queue = fs.ReadInTurn(paths);
  EXPECT_EQ(queue->Next(), fs.ReadAll(paths[0]));
  queue.reset();
  queue = fs.ReadInTurn({paths[1], paths[3]});
  EXPECT_EQ(queue->Next(), fs.ReadAll(paths[1]));
  EXPECT_FALSE(queue->Next().has_value());
  EXPECT_FALSE(queue->Next().has_value());
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
