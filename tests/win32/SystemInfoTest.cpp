// System values as Wine reports them: drives, folders, user, executable folder.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32SystemInfo.h"

namespace velgaro::win32 {
namespace {

class SystemInfoTest : public ::testing::Test {
 protected:
  Win32SystemInfo sys;
  Win32FileSystem fs;
};

TEST_F(SystemInfoTest, DriveListHoldsSystemDriveAsFixedRoot) {
  const std::vector<std::string> drives = sys.LogicalDrives();
  ASSERT_NE(std::find(drives.begin(), drives.end(), "C:\\"), drives.end());
  for (const std::string& root : drives) EXPECT_EQ(root.size(), 3u) << root;
  EXPECT_EQ(sys.DriveType("C:\\"), kDriveFixed);
  EXPECT_EQ(sys.DriveType("Q:\\"), kDriveNoRoot);
}

TEST_F(SystemInfoTest, ExeFolderHoldsThisTestProgram) {
  const std::string folder = sys.ExeFolder();
  ASSERT_GT(folder.size(), 3u);
  EXPECT_NE(folder.back(), '\\');
  EXPECT_TRUE(fs.IsDirectory(folder));
  EXPECT_TRUE(fs.Exists(folder + "\\win32_tests.exe"));
}

TEST_F(SystemInfoTest, FoldersHaveTheAgreedBackslashes) {
  const std::string windows = sys.WindowsFolder();
  ASSERT_FALSE(windows.empty());
  EXPECT_NE(windows.back(), '\\');
  EXPECT_TRUE(fs.IsDirectory(windows));
  const std::string temp = sys.TempPath();
  ASSERT_FALSE(temp.empty());
  EXPECT_EQ(temp.back(), '\\');
  EXPECT_TRUE(fs.IsDirectory(temp));
}

TEST_F(SystemInfoTest, UserAndScreenAreKnown) {
  const auto user = sys.UserName();
  ASSERT_TRUE(user.has_value());
  EXPECT_FALSE(user->empty());
  EXPECT_EQ(user->find('\0'), std::string::npos);
  EXPECT_EQ(sys.UserDefaultLangId(), GetUserDefaultLangID());
  EXPECT_GT(sys.ScreenWidth(), 0);
  EXPECT_GT(sys.ScreenHeight(), 0);
}

TEST(FolderOfFileTest, KeepsRootBackslashOnly) {
  EXPECT_EQ(FolderOfFile("C:\\Tools\\velgaro.exe"), "C:\\Tools");
  EXPECT_EQ(FolderOfFile("C:\\velgaro.exe"), "C:\\");
  EXPECT_EQ(FolderOfFile("\\\\server\\share\\velgaro.exe"), "\\\\server\\share");
  EXPECT_EQ(FolderOfFile("velgaro.exe"), "");
}

}  // namespace
}  // namespace velgaro::win32
