// The file layout checked against bytes written out by hand from the layout table, not through the
// code under test: every field read from such a file, and a recording producing exactly such a file.
#include <gtest/gtest.h>

#include "PackageTestSupport.h"

namespace velgaro::test {
namespace {

class LayoutBytes {
 public:
  LayoutBytes& Le32(std::int32_t v) {
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i)));
    return *this;
  }
  LayoutBytes& Le16(std::int16_t v) {
    for (int i = 0; i < 2; ++i) bytes.push_back(static_cast<std::uint8_t>(static_cast<std::uint16_t>(v) >> (8 * i)));
    return *this;
  }
  LayoutBytes& Raw(const std::string& s) {
    bytes.insert(bytes.end(), s.begin(), s.end());
    return *this;
  }
  LayoutBytes& Zeros(std::size_t n) {
    bytes.insert(bytes.end(), n, 0);
    return *this;
  }
  Bytes Scrambled() const {
    Bytes out = bytes;
    for (auto& b : out) b = static_cast<std::uint8_t>((b ^ 157) ^ 219);
    return out;
  }
  Bytes bytes;
};

// "Описание" in Windows-1251.
const std::string kDescriptionAnsi = "\xCE\xEF\xE8\xF1\xE0\xED\xE8\xE5";

// One action (two levels, the second with an empty caption; two steps; a text), an options block,
// installer path, command line, date and the spare byte.
Bytes HandBuiltFile() {
  const std::int32_t actionSize = 12 + (12 + 6 + 5) + (12 + 4 + 0) + 2 * 12 + 3;
  const std::int32_t optionsAt = 239 + actionSize;
  const std::int32_t exeAt = optionsAt + 26;
  LayoutBytes f;
  f.Le32(800).Le32(600).Le16(1).Le16(5).Le16(0).Le16(0);
  f.Le32(optionsAt).Le32(1).Le32(8).Le32(exeAt).Le32(2).Zeros(3);
  f.Raw(kDescriptionAnsi).Zeros(200 - kDescriptionAnsi.size());
  f.Le32(2).Le32(2).Le32(3);
  f.Le32(6).Le32(5).Le32(1).Raw("#32770").Raw("Setup");
  f.Le32(4).Le32(0).Le32(3).Raw("Edit");
  f.Le16(1).Le16(1).Le32(10).Le32(5);
  f.Le16(1).Le16(3).Le32(-2).Le32(7);
  f.Raw("abc");
  f.Le16(-1).Le16(0).Le32(-1).Le16(-1).Le16(-1).Zeros(14);
  f.Raw("C:\\a.exe").Raw("/S").Raw("06.12.2026 10:00:00").Zeros(1);
  return f.Scrambled();
}

TEST(PackageLayout, HandBuiltFileReadsBackFieldByField) {
  PackageWorld w;
  w.fs.AddFile("C:\\Packages\\hand.vgp", HandBuiltFile());
  ASSERT_TRUE(w.pkg.LoadPackage(w.fs, "C:\\Packages\\hand.vgp"));

  const PackageHeader& h = w.pkg.header;
  EXPECT_EQ(h.screenWidth, 800);
  EXPECT_EQ(h.screenHeight, 600);
  EXPECT_EQ(h.versionMajor, 1);
  EXPECT_EQ(h.versionMinor, 5);
  EXPECT_EQ(h.actionCount, 1);
  EXPECT_EQ(h.optionsOffset, 239 + 78);
  EXPECT_EQ(h.exePathOffset, 239 + 78 + 26);
  EXPECT_EQ(h.exePathLength, 8);
  EXPECT_EQ(h.commandLineLength, 2);
  EXPECT_EQ(w.pkg.ReadDescription(), "Описание");

  const PackageOptions& o = w.pkg.options;
  EXPECT_TRUE(o.needReboot);
  EXPECT_FALSE(o.createReboot);
  EXPECT_EQ(o.localSpeed, -1);
  EXPECT_TRUE(o.defSelect);
  EXPECT_TRUE(o.needWait);

  EXPECT_EQ(w.pkg.ReadExePath(), "C:\\a.exe");
  EXPECT_EQ(w.pkg.ReadCommandLine(), "/S");
  EXPECT_EQ(w.pkg.ReadCreationDate(), "06.12.2026 10:00:00");

  ASSERT_TRUE(w.pkg.ReadNextAction());
  const WindowPath expectedPath{{"#32770", "Setup", 1}, {"Edit", std::string(1, '\0'), 3}};
  EXPECT_EQ(w.pkg.action.windowPath, expectedPath);
  const std::vector<MouseStep> expectedSteps{{1, 1, 10, 5}, {1, 3, -2, 7}};
  EXPECT_EQ(w.pkg.action.steps, expectedSteps);
  EXPECT_EQ(w.pkg.action.actionText, "abc");
  EXPECT_EQ(w.pkg.ReadPosition(), 239 + 78);
  EXPECT_FALSE(w.pkg.ReadNextAction());
  EXPECT_FALSE(w.pkg.Damaged());
}

TEST(PackageLayout, RecordingWritesExactlyTheHandBuiltBytes) {
  PackageWorld w;
  PackageImage& pkg = w.pkg;
  pkg.options = PackageOptions{true, false, -1, true, true};
  pkg.NewPackageImage(800, 600, "C:\\a.exe", "Описание");
  pkg.action.windowPath = {{"#32770", "Setup", 1}, {"Edit", "", 3}};
  pkg.action.steps = {{1, 1, 10, 5}, {1, 3, -2, 7}};
  pkg.action.actionText = "abc";
  pkg.AppendAction();
  EXPECT_EQ(pkg.action.actionText, "") << "the text is consumed by the append";
  ASSERT_TRUE(pkg.AppendExePath("C:\\a.exe", {}));
  pkg.AppendCommandLine("/S");
  pkg.AppendCreationDate(LocalTime{2026, 12, 6, 10, 0, 0});
  ASSERT_TRUE(pkg.WriteOptions());
  ASSERT_TRUE(pkg.WritePackageFile(w.fs, "C:\\Packages\\rec.vgp"));
  EXPECT_EQ(*w.fs.ReadAll("C:\\Packages\\rec.vgp"), HandBuiltFile());
}

TEST(PackageLayout, EmptyRecordingWithNeedWaitPutsOptionsAt239) {
  PackageWorld w;
  w.pkg.options.needWait = true;
  w.pkg.NewPackageImage(1024, 768, "-");
  ASSERT_TRUE(w.pkg.AppendExePath("-", {}));
  w.pkg.AppendCommandLine("");
  w.pkg.AppendCreationDate(LocalTime{2026, 1, 2, 3, 4, 5});
  ASSERT_TRUE(w.pkg.WriteOptions());
  EXPECT_EQ(w.pkg.header.optionsOffset, 239);
  EXPECT_EQ(w.pkg.header.exePathOffset, 239 + 26);
  EXPECT_EQ(w.pkg.Image().size(), 239u + 26 + 1 + 19 + 1);
  EXPECT_EQ(w.pkg.ReadCreationDate(), "02.01.2026 03:04:05");
}

TEST(PackageLayout, ScramblingIsTheTwoKeysAndItsOwnInverse) {
  PackageWorld w;
  w.pkg.Image() = {0x00, 0xFF, 0x46, 0x12};
  ASSERT_TRUE(w.pkg.WritePackageFile(w.fs, "C:\\Packages\\s.vgp"));
  EXPECT_EQ(w.fs.ReadAll("C:\\Packages\\s.vgp"), (Bytes{0x46, 0xB9, 0x00, 0x54}));
  EXPECT_EQ(w.pkg.Image(), (Bytes{0x00, 0xFF, 0x46, 0x12})) << "the image in memory is never scrambled";
  // Too short to be a package, but the bytes come back unscrambled before the header is looked at.
  EXPECT_FALSE(w.pkg.LoadPackage(w.fs, "C:\\Packages\\s.vgp"));
  EXPECT_EQ(w.pkg.Image(), (Bytes{0x00, 0xFF, 0x46, 0x12}));
}

TEST(PackageLayout, CreationDateAlwaysNineteenCharacters) {
  EXPECT_EQ(FormatCreationDate(LocalTime{2026, 3, 4, 5, 6, 7}), "04.03.2026 05:06:07");
  EXPECT_EQ(FormatCreationDate(LocalTime{123456, -1, 100, 0, 0, 0}).size(), 19u);
}

}  // namespace
}  // namespace velgaro::test
