// Operations on a loaded or recorded image: descriptions, replacing fields, options, versions, texts.
#include <gtest/gtest.h>

#include "PackageTestSupport.h"

namespace velgaro::test {
namespace {

class PackageOperations : public ::testing::Test {
 protected:
  // Writes the image as a file and loads it again, as the properties dialog would.
  void SaveAndLoad() {
    ASSERT_TRUE(w.pkg.WritePackageFile(w.fs, kPath));
    ASSERT_TRUE(w.pkg.LoadPackage(w.fs, kPath));
  }
  std::vector<PackageAction> ReadAllActions() {
    std::vector<PackageAction> actions;
    w.pkg.RewindActions();
    while (w.pkg.ReadNextAction()) {
      actions.push_back(w.pkg.action);
      w.pkg.action.actionText.clear();  // as the player does once it has put the text
    }
    return actions;
  }

  const std::string kPath = "C:\\Packages\\p.vgp";
  PackageWorld w;
};

TEST_F(PackageOperations, DescriptionIsCutToTwoHundredAndFillsTheFieldExactly) {
  const std::string exact(200, 'd');
  const std::string longer = std::string(200, 'x') + std::string(50, 'y');
  RecordSample(w.pkg, 1);
  w.pkg.WriteDescription(longer);
  EXPECT_EQ(w.pkg.ReadDescription(), std::string(200, 'x'));
  w.pkg.WriteDescription(exact);
  EXPECT_EQ(w.pkg.Image()[38 + 200], 'd') << "no zero byte after a 200-character description";
  EXPECT_EQ(w.pkg.Image()[239], 2) << "the first action's level count is untouched";
  SaveAndLoad();
  EXPECT_EQ(w.pkg.ReadDescription(), exact);
}

TEST_F(PackageOperations, ShorterDescriptionPadsWithZerosAndEmptyKeepsTheOld) {
  RecordSample(w.pkg, 1);
  w.pkg.WriteDescription("Новое описание, длинное");
  w.pkg.WriteDescription("Кратко");
  EXPECT_EQ(w.pkg.ReadDescription(), "Кратко");
  w.pkg.WriteDescription("");
  SaveAndLoad();
  EXPECT_EQ(w.pkg.ReadDescription(), "Кратко");
}

TEST_F(PackageOperations, LongerInstallerPathMovesCommandLineAndDateButNotOptions) {
  RecordSample(w.pkg, 3);
  SaveAndLoad();
  const std::int32_t optionsAt = w.pkg.header.optionsOffset;
  const std::size_t sizeBefore = w.pkg.Image().size();
  ASSERT_TRUE(w.pkg.ReplaceExePath("D:\\A much longer folder\\setup.exe"));
  EXPECT_EQ(w.pkg.header.optionsOffset, optionsAt);
  EXPECT_EQ(w.pkg.Image().size(), sizeBefore + 33 - 28);
  SaveAndLoad();
  EXPECT_EQ(w.pkg.header.optionsOffset, optionsAt);
  EXPECT_EQ(w.pkg.ReadExePath(), "D:\\A much longer folder\\setup.exe");
  EXPECT_EQ(w.pkg.ReadCommandLine(), "/S /D=C:\\TEMP\\app");
  EXPECT_EQ(w.pkg.ReadCreationDate(), "06.12.2026 09:05:07");
  EXPECT_TRUE(w.pkg.options.createReboot);
  EXPECT_EQ(ReadAllActions().size(), 3u);
  EXPECT_EQ(w.pkg.Image().back(), 0) << "the spare byte stays last";
}

TEST_F(PackageOperations, CommandLineCanBeReplacedClearedAndAddedAgain) {
  RecordSample(w.pkg, 1);
  SaveAndLoad();
  ASSERT_TRUE(w.pkg.ReplaceCommandLine(""));
  EXPECT_EQ(w.pkg.ReadCommandLine(), "");
  EXPECT_EQ(w.pkg.ReadCreationDate(), "06.12.2026 09:05:07");
  ASSERT_TRUE(w.pkg.ReplaceCommandLine("/quiet"));
  SaveAndLoad();
  EXPECT_EQ(w.pkg.ReadCommandLine(), "/quiet");
  EXPECT_EQ(w.pkg.ReadExePath(), "%PROGRAMFILES%\\App\\setup.exe");
  EXPECT_EQ(w.pkg.ReadCreationDate(), "06.12.2026 09:05:07");
}

TEST_F(PackageOperations, FileWithoutOptionsReadsZeroThenWriteOptionsInsertsBeforeThePath) {
  RecordSample(w.pkg, 2, /*withOptions=*/false);
  SaveAndLoad();
  EXPECT_EQ(w.pkg.header.optionsOffset, 0);
  EXPECT_FALSE(w.pkg.options.needWait);
  EXPECT_FALSE(w.pkg.options.createReboot);
  EXPECT_EQ(w.pkg.options.localSpeed, 0);

  const std::int32_t exeAt = w.pkg.header.exePathOffset;
  w.pkg.options.localSpeed = 2;
  w.pkg.options.needReboot = true;
  ASSERT_TRUE(w.pkg.WriteOptions());
  EXPECT_EQ(w.pkg.header.optionsOffset, exeAt);
  EXPECT_EQ(w.pkg.header.exePathOffset, exeAt + 26);
  SaveAndLoad();
  EXPECT_EQ(w.pkg.options.localSpeed, 2);
  EXPECT_TRUE(w.pkg.options.needReboot);
  EXPECT_EQ(w.pkg.ReadExePath(), "%PROGRAMFILES%\\App\\setup.exe");
  EXPECT_EQ(ReadAllActions().size(), 2u);

  // A second write changes the block in place.
  const std::size_t size = w.pkg.Image().size();
  w.pkg.options.localSpeed = 1;
  ASSERT_TRUE(w.pkg.WriteOptions());
  EXPECT_EQ(w.pkg.Image().size(), size);
}

TEST_F(PackageOperations, AnyNonZeroBooleanReadsTrue) {
  RecordSample(w.pkg, 0);
  w.pkg.Image()[static_cast<std::size_t>(w.pkg.header.optionsOffset)] = 1;  // NeedReboot = 1, not -1
  SaveAndLoad();
  EXPECT_TRUE(w.pkg.options.needReboot);
}

struct VersionCase {
  std::int16_t major, minor;
  bool playable;
};

class PackageVersion : public PackageOperations, public ::testing::WithParamInterface<VersionCase> {};

TEST_P(PackageVersion, OnlyTheMajorVersionCounts) {
  RecordSample(w.pkg, 1);
  w.pkg.header.versionMajor = GetParam().major;
  w.pkg.header.versionMinor = GetParam().minor;
  ASSERT_TRUE(w.pkg.ReplaceCommandLine("x"));  // copies the header into the image
  SaveAndLoad();
  EXPECT_EQ(w.pkg.header.versionMajor, GetParam().major);
  EXPECT_EQ(w.pkg.CheckPackageVersion(), GetParam().playable);
}

INSTANTIATE_TEST_SUITE_P(Versions, PackageVersion,
                         ::testing::Values(VersionCase{1, 5, true}, VersionCase{1, 9, true}, VersionCase{0, 0, true},
                                           VersionCase{2, 0, false}, VersionCase{2, 5, false}));

TEST_F(PackageOperations, ActionsReadBackWithTextsExpandedAndEmptyCaptionsAsOneNul) {
  w.pkg.NewPackageImage(1024, 768, "a.exe");
  w.pkg.action.windowPath = {{"#32770", "Setup", 0}, {"Edit", "", 1}, {"Edit", "", 2}};
  w.pkg.action.steps = {{kButtonRight, kStepPress, 1, 2}, {kButtonRight, kStepRelease, 0, 0}};
  w.pkg.action.actionText = "%temp%\\Мои файлы";
  w.pkg.AppendAction();
  w.pkg.action = SampleAction("Готово", "");
  w.pkg.AppendAction();
  ASSERT_TRUE(w.pkg.AppendExePath("%TEMP%\\a.exe", {}));
  w.pkg.AppendCommandLine("%TEMP%\\log.txt");
  w.pkg.AppendCreationDate(LocalTime{});
  SaveAndLoad();

  EXPECT_EQ(w.pkg.ReadExePath(), "%TEMP%\\a.exe") << "the installer path is expanded by its callers";
  EXPECT_EQ(w.pkg.ReadCommandLine(), "C:\\TEMP\\log.txt");
  EXPECT_EQ(w.pkg.ReadCommandLineRaw(), "%TEMP%\\log.txt");

  w.pkg.RewindActions();
  ASSERT_TRUE(w.pkg.ReadNextAction());
  ASSERT_EQ(w.pkg.action.windowPath.size(), 3u);
  EXPECT_EQ(w.pkg.action.windowPath[1].caption, std::string(1, '\0'));
  EXPECT_EQ(w.pkg.action.windowPath[2].ordinal, 2);
  EXPECT_EQ(w.pkg.action.steps[0].buttonCode, kButtonRight);
  EXPECT_EQ(w.pkg.action.actionText, "C:\\TEMP\\Мои файлы");
  // An action without text leaves the current text as it was; the player empties it after use.
  ASSERT_TRUE(w.pkg.ReadNextAction());
  EXPECT_EQ(w.pkg.action.actionText, "C:\\TEMP\\Мои файлы");
  EXPECT_EQ(w.pkg.action.windowPath[0].caption, "Готово");
  EXPECT_EQ(w.pkg.ActionIndex(), 2);
  EXPECT_FALSE(w.pkg.ReadNextAction());
  EXPECT_EQ(w.pkg.ActionIndex(), 3);
  EXPECT_FALSE(w.pkg.Damaged());
}

TEST_F(PackageOperations, NothingRecordedAsksOnlyWithoutNeedWait) {
  int asked = 0;
  auto answer = [&asked](bool yes) {
    return [&asked, yes] {
      ++asked;
      return yes;
    };
  };
  w.pkg.NewPackageImage(1024, 768, "a.exe");
  EXPECT_FALSE(w.pkg.AppendExePath("a.exe", answer(false)));
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(w.pkg.Image().size(), 240u) << "a refused path changes nothing";

  EXPECT_TRUE(w.pkg.AppendExePath("a.exe", answer(true)));
  EXPECT_EQ(asked, 2);
  EXPECT_TRUE(w.pkg.options.needWait);

  w.pkg.options.needWait = true;
  w.pkg.NewPackageImage(1024, 768, "a.exe");
  EXPECT_TRUE(w.pkg.AppendExePath("a.exe", answer(false)));
  EXPECT_EQ(asked, 2) << "NeedWait already set: no question";

  w.pkg.options.needWait = false;
  RecordSample(w.pkg, 1);  // sets NeedWait itself; an action makes the question moot anyway
  w.pkg.options.needWait = false;
  w.pkg.NewPackageImage(1024, 768, "a.exe");
  w.pkg.action = SampleAction("x", "");
  w.pkg.AppendAction();
  EXPECT_TRUE(w.pkg.AppendExePath("a.exe", answer(false)));
  EXPECT_EQ(asked, 2);
}

TEST_F(PackageOperations, NewImageAfterALoadedPackageForgetsItsOffsets) {
  RecordSample(w.pkg, 4);
  SaveAndLoad();
  ASSERT_NE(w.pkg.header.optionsOffset, 0);
  w.pkg.options = PackageOptions{};
  w.pkg.options.needWait = true;
  w.pkg.NewPackageImage(1024, 768, "b.exe", "Второй");
  EXPECT_EQ(w.pkg.header.optionsOffset, 0);
  EXPECT_EQ(w.pkg.header.commandLineLength, 0);
  ASSERT_TRUE(w.pkg.AppendExePath("b.exe", {}));
  w.pkg.AppendCommandLine("");
  w.pkg.AppendCreationDate(LocalTime{});
  ASSERT_TRUE(w.pkg.WriteOptions());
  SaveAndLoad();
  EXPECT_EQ(w.pkg.header.optionsOffset, 239);
  EXPECT_TRUE(w.pkg.options.needWait);
  EXPECT_EQ(w.pkg.ReadDescription(), "Второй");
  EXPECT_EQ(w.pkg.ReadExePath(), "b.exe");
}

TEST_F(PackageOperations, CharactersOutsideTheCodePageBecomeQuestionMarksOneByteEach) {
  RecordSample(w.pkg, 0);
  ASSERT_TRUE(w.pkg.ReplaceExePath("C:\\日本\\setup.exe"));
  EXPECT_EQ(w.pkg.header.exePathLength, 15);
  EXPECT_EQ(w.pkg.ReadExePath(), "C:\\??\\setup.exe");
}

TEST_F(PackageOperations, FailedWriteLeavesTheOldFileIntact) {
  w.fs.AddFile(kPath, std::string("old content"));
  w.fs.SetReadOnly(kPath, true);
  RecordSample(w.pkg, 1);
  EXPECT_FALSE(w.pkg.WritePackageFile(w.fs, kPath));
  EXPECT_EQ(w.fs.Text(kPath), "old content");
  EXPECT_FALSE(w.pkg.WritePackageFile(w.fs, "C:\\Missing\\p.vgp"));
}

}  // namespace
}  // namespace velgaro::test
