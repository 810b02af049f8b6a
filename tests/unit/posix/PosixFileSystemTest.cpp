#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/PosixPaths.h"
#include "unit/posix/TempFolder.h"

namespace velgaro {
namespace {

class PosixFileSystemTest : public ::testing::Test {
 protected:
  // The core's spelling of a path in the temp folder.
  std::string Core(const std::string& name) const { return ToCorePath(dir.Path() + "/" + name); }

  TempFolder dir;
  PosixFileSystem fs;
};

TEST_F(PosixFileSystemTest, WriteCreatesAndReplacesThroughBackslashPaths) {
  const std::string file = Core("a.ini");
  EXPECT_FALSE(fs.Exists(file));
  ASSERT_TRUE(fs.WriteAllReplacing(file, Bytes{'o', 'l', 'd'}));
  ASSERT_TRUE(fs.WriteAllReplacing(file, Bytes{'n', 'e', 'w', '!'}));
  EXPECT_EQ(dir.Read("a.ini"), "new!");
  EXPECT_EQ(fs.ReadAll(file), (Bytes{'n', 'e', 'w', '!'}));
  EXPECT_EQ(fs.FileSize(file), 4u);
  EXPECT_TRUE(fs.Exists(file));
  EXPECT_FALSE(fs.IsDirectory(file));
  EXPECT_EQ(dir.Names(), std::vector<std::string>{"a.ini"});   // no temporary file left behind
}

TEST_F(PosixFileSystemTest, ReadOnlyTargetIsLeftAsItWas) {
  dir.Write("ro.ini", "old");
  ASSERT_EQ(::chmod((dir.Path() + "/ro.ini").c_str(), 0444), 0);
  EXPECT_FALSE(fs.WriteAllReplacing(Core("ro.ini"), Bytes{'x'}));
  EXPECT_EQ(dir.Read("ro.ini"), "old");
  EXPECT_FALSE(fs.Remove(Core("ro.ini")));
  EXPECT_TRUE(fs.Exists(Core("ro.ini")));
  EXPECT_EQ(dir.Names(), std::vector<std::string>{"ro.ini"});
}

TEST_F(PosixFileSystemTest, WriteFailsForMissingFolderOrFolderTarget) {
  EXPECT_FALSE(fs.WriteAllReplacing(Core("missing/a.ini"), Bytes{'x'}));
  EXPECT_FALSE(fs.Exists(Core("missing")));
  ASSERT_TRUE(fs.CreateFolder(Core("sub")));
  EXPECT_FALSE(fs.WriteAllReplacing(Core("sub"), Bytes{'x'}));
  EXPECT_TRUE(fs.IsDirectory(Core("sub")));
  EXPECT_FALSE(fs.ReadAll(Core("sub")).has_value());
  EXPECT_FALSE(fs.FileSize(Core("sub")).has_value());
}

TEST_F(PosixFileSystemTest, ReplacedFileKeepsItsPermissions) {
  dir.Write("p.ini", "old");
  ASSERT_EQ(::chmod((dir.Path() + "/p.ini").c_str(), 0640), 0);
  ASSERT_TRUE(fs.WriteAllReplacing(Core("p.ini"), Bytes{'n'}));
  struct stat st {};
  ASSERT_EQ(::stat((dir.Path() + "/p.ini").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST_F(PosixFileSystemTest, CopyReplacesUnlessAskedNotToAndLeavesNoTemporaryFile) {
  dir.Write("src.bin", std::string(200000, 'a'));
  ASSERT_EQ(::chmod((dir.Path() + "/src.bin").c_str(), 0640), 0);
  ASSERT_TRUE(fs.Copy(Core("src.bin"), Core("dst.bin"), false));
  EXPECT_EQ(dir.Read("dst.bin"), std::string(200000, 'a'));
  struct stat st {};
  ASSERT_EQ(::stat((dir.Path() + "/dst.bin").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  dir.Write("src.bin", "new");
  EXPECT_FALSE(fs.Copy(Core("src.bin"), Core("dst.bin"), true));
  EXPECT_EQ(dir.Read("dst.bin").size(), 200000u);
  ASSERT_TRUE(fs.Copy(Core("src.bin"), Core("dst.bin"), false));
  EXPECT_EQ(dir.Read("dst.bin"), "new");
  EXPECT_TRUE(fs.Copy(Core("src.bin"), Core("fresh.bin"), true));
  EXPECT_FALSE(fs.Copy(Core("missing"), Core("x.bin"), false));
  EXPECT_FALSE(fs.Copy(Core("src.bin"), Core("nofolder/x.bin"), false));
  EXPECT_FALSE(fs.Copy(Core("src.bin"), Core("src.bin"), false));
  EXPECT_EQ(dir.Names(), (std::vector<std::string>{"dst.bin", "fresh.bin", "src.bin"}));
}

TEST_F(PosixFileSystemTest, CopyKeepsAReadOnlyTargetUntilItIsMadeNormal) {
  dir.Write("src.txt", "new");
  dir.Write("ro.txt", "old");
  ASSERT_EQ(::chmod((dir.Path() + "/ro.txt").c_str(), 0444), 0);
  EXPECT_FALSE(fs.Copy(Core("src.txt"), Core("ro.txt"), false));
  EXPECT_EQ(dir.Read("ro.txt"), "old");
  ASSERT_TRUE(fs.SetNormalAttributes(Core("ro.txt")));
  EXPECT_TRUE(fs.Copy(Core("src.txt"), Core("ro.txt"), false));
  EXPECT_EQ(dir.Read("ro.txt"), "new");
  EXPECT_FALSE(fs.SetNormalAttributes(Core("missing")));
}

TEST_F(PosixFileSystemTest, ListMatchesWithoutRegardToCaseAndSorts) {
  for (const char* name : {"b.lng", "A.LNG", "c.txt", "English.lng", "x.lngx"}) dir.Write(name, "");
  ASSERT_TRUE(fs.CreateFolder(Core("folder.lng")));
  EXPECT_EQ(fs.List(Core(""), "*.lng"),
            (std::vector<std::string>{"A.LNG", "b.lng", "English.lng", "folder.lng"}));
  EXPECT_EQ(fs.List(Core(""), "*.TXT"), std::vector<std::string>{"c.txt"});
  EXPECT_EQ(fs.List(Core(""), "*").size(), 6u);
  EXPECT_EQ(fs.List(Core(""), "?.lng"), (std::vector<std::string>{"A.LNG", "b.lng"}));
  EXPECT_TRUE(fs.List(Core("missing"), "*").empty());
}

TEST_F(PosixFileSystemTest, FileEntriesCarryTheSizeAndALastWriteThatMovesWithAWrite) {
  dir.Write("a.vgp", "12345");
  dir.Write(".hidden.vgp", "1");
  dir.Write("b.txt", "1");
  ASSERT_TRUE(fs.CreateFolder(Core("folder.vgp")));
  auto entries = fs.ListFileEntries(Core(""), "*.vgp");
  ASSERT_TRUE(entries.has_value());
  ASSERT_EQ(entries->size(), 1u);
  const FolderEntry before = entries->front();
  EXPECT_EQ(before.name, "a.vgp");
  EXPECT_EQ(before.size, 5u);
  EXPECT_GT(before.modified, 130000000000000000u);   // after the year 2012, counted from 1601
  ::timespec later[2] = {{0, UTIME_OMIT}, {static_cast<time_t>(before.modified / 10000000 - 11644473600 + 7), 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, (dir.Path() + "/a.vgp").c_str(), later, 0), 0);
  entries = fs.ListFileEntries(Core(""), "*.VGP");
  ASSERT_EQ(entries->size(), 1u);
  EXPECT_EQ(entries->front().modified / 10000000, before.modified / 10000000 + 7);
  EXPECT_EQ(fs.ListFiles(Core(""), "*.vgp"), std::vector<std::string>{"a.vgp"});
  EXPECT_FALSE(fs.ListFileEntries(Core("missing"), "*").has_value());
}

TEST_F(PosixFileSystemTest, ReadAllReadsEveryByteOfEmptySmallAndLargeFiles) {
  dir.Write("empty", "");
  const std::string large(200000, 'x');
  dir.Write("large", large + "end");
  EXPECT_EQ(fs.ReadAll(Core("empty")), Bytes{});
  const std::optional<Bytes> read = fs.ReadAll(Core("large"));
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(std::string(read->begin(), read->end()), large + "end");
  EXPECT_FALSE(fs.ReadAll(Core("")).has_value());       // the folder itself
  EXPECT_FALSE(fs.ReadAll(Core("missing")).has_value());
}

TEST_F(PosixFileSystemTest, CreateAndRemoveFolders) {
  EXPECT_TRUE(fs.CreateFolder(Core("f")));
  EXPECT_FALSE(fs.CreateFolder(Core("f")));            // exists already, as CreateDirectoryA
  EXPECT_FALSE(fs.CreateFolder(Core("g/h")));          // parent missing
  ASSERT_TRUE(fs.WriteAllReplacing(Core("f/x"), Bytes{}));
  EXPECT_EQ(fs.FileSize(Core("f/x")), 0u);
  EXPECT_FALSE(fs.Remove(Core("f")));                  // not empty
  EXPECT_TRUE(fs.Remove(Core("f/x")));
  EXPECT_TRUE(fs.Remove(Core("f")));
  EXPECT_FALSE(fs.Remove(Core("f")));
}

TEST_F(PosixFileSystemTest, EmptyPathIsNothing) {
  EXPECT_FALSE(fs.Exists(""));
  EXPECT_FALSE(fs.IsDirectory(""));
  EXPECT_FALSE(fs.ReadAll("").has_value());
  EXPECT_FALSE(fs.WriteAllReplacing("", Bytes{'x'}));
  EXPECT_FALSE(fs.CreateFolder(""));
}

}  // namespace
}  // namespace velgaro

namespace velgaro {
namespace {

TEST(PosixFolderEntriesTest, ListsFilesFoldersAndLinksWithTheirSizes) {
  TempFolder dir;
  PosixFileSystem fs;
  dir.Write("a.bin", "12345");
  dir.Write(".dot", "1");
  ASSERT_EQ(::mkdir((dir.Path() + "/sub").c_str(), 0777), 0);
  ASSERT_EQ(::symlink(dir.Path().c_str(), (dir.Path() + "/up").c_str()), 0);
  const auto entries = fs.ListEntries(ToCorePath(dir.Path()));
  ASSERT_TRUE(entries.has_value());
  ASSERT_EQ(entries->size(), 4u);
  for (const FolderEntry& e : *entries) {
    if (e.name == "a.bin") {
      EXPECT_EQ(e.size, 5u);
    } else if (e.name == ".dot") {
      EXPECT_FALSE(e.isFolder);
    } else if (e.name == "sub") {
      EXPECT_TRUE(e.isFolder && !e.isLink);
    } else {
      EXPECT_EQ(e.name, "up");
      EXPECT_TRUE(e.isFolder && e.isLink);
    }
  }
  EXPECT_FALSE(fs.ListEntries(ToCorePath(dir.Path() + "/missing")).has_value());
  EXPECT_FALSE(fs.ListEntries(ToCorePath(dir.Path() + "/a.bin")).has_value());
}

TEST(PosixFolderEntriesTest, FreeBytesOfAnExistingFolderOnly) {
  TempFolder dir;
  PosixFileSystem fs;
  EXPECT_GT(fs.FreeBytes(ToCorePath(dir.Path()) + "\\").value_or(0), 0u);
  EXPECT_FALSE(fs.FreeBytes(ToCorePath(dir.Path() + "/missing")).has_value());
}

}  // namespace
}  // namespace velgaro
