#include <gtest/gtest.h>

#include "platform/sim/SimPlatform.h"
#include "unit/wizard/WizardFixture.h"
#include "wizard/FolderSize.h"

namespace velgaro {
namespace {

TEST(FormatByteSizeTest, GivesTheShellsDocumentedTexts) {
  EXPECT_EQ(FormatByteSize(532), "532 bytes");
  EXPECT_EQ(FormatByteSize(1340), "1.30 KB");
  EXPECT_EQ(FormatByteSize(23506), "22.9 KB");
  EXPECT_EQ(FormatByteSize(2400016), "2.28 MB");
  EXPECT_EQ(FormatByteSize(2400000000ull), "2.23 GB");
  EXPECT_EQ(FormatByteSize(1073741824ull), "1.00 GB");
}

TEST(FormatByteSizeTest, CutsToThreeDigitsAtEveryBoundary) {
  EXPECT_EQ(FormatByteSize(0), "0 bytes");
  EXPECT_EQ(FormatByteSize(1023), "1023 bytes");
  EXPECT_EQ(FormatByteSize(1024), "1.00 KB");
  EXPECT_EQ(FormatByteSize(10 * 1024 - 1), "9.99 KB");     // cut, never rounded up to "10.0"
  EXPECT_EQ(FormatByteSize(10 * 1024), "10.0 KB");
  EXPECT_EQ(FormatByteSize(100 * 1024), "100 KB");
  EXPECT_EQ(FormatByteSize(999 * 1024 + 1023), "999 KB");
  EXPECT_EQ(FormatByteSize(1000 * 1024), "0.97 MB");       // four digits move to the next unit
  EXPECT_EQ(FormatByteSize(1048575), "0.99 MB");
  EXPECT_EQ(FormatByteSize(1ull << 40), "1.00 TB");
  EXPECT_EQ(FormatByteSize(1ull << 50), "1.00 PB");
  EXPECT_EQ(FormatByteSize(1ull << 60), "1.00 EB");
  EXPECT_EQ(FormatByteSize(~0ull), "15.9 EB");              // no overflow at the top
}

TEST(FormatByteSizeTest, TakesTheWordsOfAnotherLocale) {
  ByteSizeUnits russian{",", "байт", {"КБ", "МБ", "ГБ", "ТБ", "ПБ", "ЭБ"}};
  EXPECT_EQ(FormatByteSize(1340, russian), "1,30 КБ");
  EXPECT_EQ(FormatByteSize(12, russian), "12 байт");
}

class FolderSizeTest : public ::testing::Test {
 protected:
  SimFileSystem fs;
  test::CountingPump pump;
};

TEST_F(FolderSizeTest, AddsEveryFileOfEveryLevelAndPumpsBetweenLevels) {
  fs.AddFile("C:\\App\\a.bin", std::string(100, 'a'));
  fs.AddFile("C:\\App\\.hidden", std::string(7, 'h'));      // a file beginning with a dot still counts
  fs.AddFile("C:\\App\\sub\\b.bin", std::string(20, 'b'));
  fs.AddFile("C:\\App\\sub\\deep\\c.bin", std::string(3, 'c'));
  fs.AddFolder("C:\\App\\empty");
  EXPECT_EQ(GetFolderSize(fs, "C:\\App", &pump), 130u);
  EXPECT_EQ(pump.runs, 2);   // after level 1 and after level 2; none after the last
  EXPECT_EQ(GetFolderSize(fs, "C:\\App\\", nullptr), 130u);
}

TEST_F(FolderSizeTest, SkipsDotFoldersAndLinksButKeepsLargeFiles) {
  fs.AddFile("C:\\App\\big.iso", "x");
  fs.SetFileSize("C:\\App\\big.iso", 5ull << 32);            // above 4 GiB: the high part counts
  fs.AddFile("C:\\App\\.git\\objects", std::string(50, 'g'));
  fs.AddFile("C:\\App\\loop\\x", std::string(9, 'x'));
  fs.SetLink("C:\\App\\loop", true);
  EXPECT_EQ(GetFolderSize(fs, "C:\\App"), (5ull << 32));
}

TEST_F(FolderSizeTest, DriveRootAndUnreadableFolders) {
  fs.AddFile("C:\\boot.ini", std::string(10, 'b'));
  fs.AddFile("C:\\Win\\x.dll", std::string(5, 'x'));
  fs.AddFile("C:\\Locked\\secret", std::string(1000, 's'));
  fs.SetUnlistable("C:\\Locked", true);
  EXPECT_EQ(GetFolderSize(fs, "C:\\"), 15u);
  EXPECT_EQ(GetFolderSize(fs, "C:\\Missing"), 0u);
}

TEST_F(FolderSizeTest, FreeSpaceIsZeroWhenItCannotBeLearnt) {
  fs.SetFreeBytes("E:\\", 123456789012ull);
  EXPECT_EQ(GetFreeSpace(fs, "E:\\Disk\\"), 123456789012ull);
  EXPECT_EQ(GetFreeSpace(fs, "F:\\Disk\\"), 0u);
  EXPECT_EQ(GetFreeSpace(fs, ""), 0u);
}

}  // namespace
}  // namespace velgaro
