// Closing a recording and the retrying save, with scripted answers to every dialog.
#include <gtest/gtest.h>

#include "PackageTestSupport.h"
#include "lang/Language.h"
#include "package/SavePackage.h"

namespace velgaro::test {
namespace {

const std::string kTarget = "C:\\Packages\\Установка.VGP";
const std::string kNothingRecorded =
    "Вы не совершили ни одного действия, которое Velgaro Replaysetup мог запомнить. Желаете установить флаг "
    "`Ожидать завершения процесса` для сохранения пакета?\r\n\r\nДа - установить флаг и сохранить.\r\n"
    "Нет - не сохранять пакет.";

std::string SaveFailedText(const std::string& path) {
  return "Файл не сохранён.\r\nНевозможно внести изменения в файл\r\n'" + path +
         "'.\r\nЖелаете сохранить файл в другом месте?";
}

class SaveFlow : public ::testing::Test {
 protected:
  SaveRecordingContext Context() {
    SaveRecordingContext ctx(w.pkg, language, dialogs, w.fs, w.vars);
    ctx.now = LocalTime{2026, 12, 6, 10, 0, 0};
    ctx.installerPath = "C:\\Program Files\\App\\setup.exe";
    ctx.commandLine = "/S";
    ctx.packageName = "Установка";
    ctx.packageFolder = "C:\\Packages";
    ctx.owner = 77;
    ctx.setStatusText = [this](const std::string& t) { events.push_back("status:" + t); };
    ctx.showMainWindowAndRefresh = [this] { events.push_back("main"); };
    ctx.unloadControlWindow = [this] { events.push_back("unload"); };
    return ctx;
  }
  // A recording of n actions, stopped.
  bool Stop(int actions, bool needWait = false, bool unattended = false) {
    RecordActions(w.pkg, actions, needWait);
    SaveRecordingContext ctx = Context();
    ctx.unattendedInstall = unattended;
    return SaveRecording(ctx);
  }
  bool SaveAs(std::string& path) {
    return SavePackageAs(SavePackageContext{w.pkg, language, dialogs, w.fs, "C:\\Packages"}, 77, path);
  }
  void LoadTarget(const std::string& path) { ASSERT_TRUE(w.pkg.LoadPackage(w.fs, path)); }

  PackageWorld w;
  Language language;
  SimDialogs dialogs;
  std::vector<std::string> events;
};

TEST_F(SaveFlow, RecordingIsClosedCollapsedAndSavedUnderItsName) {
  EXPECT_TRUE(Stop(2));
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(events, (std::vector<std::string>{"status:Сохранение пакета...", "main", "unload"}));
  LoadTarget(kTarget);
  EXPECT_EQ(w.pkg.header.actionCount, 2);
  EXPECT_EQ(w.pkg.ReadExePath(), "%PROGRAMFILES%\\App\\setup.exe");
  EXPECT_EQ(w.pkg.ReadCommandLine(), "/S");
  EXPECT_EQ(w.pkg.ReadCreationDate(), "06.12.2026 10:00:00");
  EXPECT_EQ(w.pkg.ReadDescription(), "Описание");
  EXPECT_NE(w.pkg.header.optionsOffset, 0);
}

TEST_F(SaveFlow, NothingRecordedAnsweredNoSavesNothingButStillReturnsToTheMainWindow) {
  dialogs.answers = {kIdNo};
  EXPECT_FALSE(Stop(0));
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, kNothingRecorded);
  EXPECT_EQ(dialogs.shown[0].title, "Сохранение пакета");
  EXPECT_EQ(dialogs.shown[0].style, 324u);
  EXPECT_EQ(dialogs.shown[0].owner, 77u);
  EXPECT_FALSE(w.fs.Exists(kTarget));
  EXPECT_EQ(events, (std::vector<std::string>{"status:Сохранение пакета...", "main", "unload"}));
}

TEST_F(SaveFlow, NothingRecordedAnsweredYesSavesAnEmptyPackageThatWaits) {
  dialogs.answers = {kIdYes};
  EXPECT_TRUE(Stop(0));
  LoadTarget(kTarget);
  EXPECT_EQ(w.pkg.header.actionCount, 0);
  EXPECT_EQ(w.pkg.header.optionsOffset, 239);
  EXPECT_TRUE(w.pkg.options.needWait);
}

TEST_F(SaveFlow, NothingRecordedWithNeedWaitAlreadySetAsksNothing) {
  EXPECT_TRUE(Stop(0, /*needWait=*/true));
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_TRUE(w.fs.Exists(kTarget));
}

TEST_F(SaveFlow, UnattendedStopDoesNotBringUpTheMainWindow) {
  EXPECT_TRUE(Stop(1, false, /*unattended=*/true));
  EXPECT_EQ(events, (std::vector<std::string>{"status:Сохранение пакета...", "unload"}));
}

TEST_F(SaveFlow, ExistingFileInThePackageFolderIsReplacedWithoutAsking) {
  w.fs.AddFile(kTarget, std::string("old"));
  EXPECT_TRUE(Stop(1));
  EXPECT_TRUE(dialogs.shown.empty());
  LoadTarget(kTarget);
  EXPECT_EQ(w.pkg.header.actionCount, 1);
}

struct ChosenName {
  std::string chosen;
  std::string saved;
};

class SaveElsewhere : public SaveFlow, public ::testing::WithParamInterface<ChosenName> {};

TEST_P(SaveElsewhere, ReadOnlyTargetOffersTheDialogAndFixesTheExtension) {
  w.fs.AddFile(kTarget, std::string("old"));
  w.fs.SetReadOnly(kTarget, true);
  w.fs.AddFolder("C:\\Other");
  dialogs.answers = {kIdYes};
  dialogs.saveAnswers = {GetParam().chosen};
  EXPECT_TRUE(Stop(1));

  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(dialogs.shown[0].text, SaveFailedText(kTarget));
  EXPECT_EQ(dialogs.shown[0].title, "Ошибка при сохранении");
  EXPECT_EQ(dialogs.shown[0].style, 324u);
  const SaveFileRequest& request = dialogs.shown[1].request;
  EXPECT_TRUE(dialogs.shown[1].isSaveDialog);
  EXPECT_EQ(request.filter, "Сценарий установки программ (*.VGP)|*.VGP|");
  EXPECT_EQ(request.title, "Сохранить");
  EXPECT_EQ(request.flags, 0x2006u);
  EXPECT_EQ(request.startFolder, "C:\\Packages");
  EXPECT_EQ(dialogs.shown[1].owner, 77u);

  EXPECT_EQ(w.fs.Text(kTarget), "old");
  EXPECT_TRUE(w.fs.Exists(GetParam().saved));
  LoadTarget(GetParam().saved);
  EXPECT_EQ(w.pkg.header.actionCount, 1);
}

INSTANTIATE_TEST_SUITE_P(Names, SaveElsewhere,
                         ::testing::Values(ChosenName{"C:\\Other\\b", "C:\\Other\\b.VGP"},
                                           ChosenName{"C:\\Other\\b.vgp", "C:\\Other\\b.vgp.VGP"},
                                           ChosenName{"C:\\Other\\b.VGP", "C:\\Other\\b.VGP"},
                                           ChosenName{std::string("C:\\Other\\c", 10) + '\0', "C:\\Other\\c.VGP"}));

TEST_F(SaveFlow, CancelThenNoTriesTheSamePathAgainUntilTheUserGivesUp) {
  std::string path = "C:\\Missing\\p.VGP";
  RecordSample(w.pkg, 1);
  // Save elsewhere? Yes; dialog cancelled; really not save? No; (fails again) Save elsewhere? No.
  dialogs.answers = {kIdYes, kIdNo, kIdNo};
  EXPECT_FALSE(SaveAs(path));
  ASSERT_EQ(dialogs.shown.size(), 4u);
  EXPECT_EQ(dialogs.shown[0].text, SaveFailedText("C:\\Missing\\p.VGP"));
  EXPECT_TRUE(dialogs.shown[1].isSaveDialog);
  EXPECT_EQ(dialogs.shown[2].text, "Вы действительно не желаете сохранить файл?");
  EXPECT_EQ(dialogs.shown[2].title, "Не сохранять?");
  EXPECT_EQ(dialogs.shown[2].style, 324u);
  EXPECT_EQ(dialogs.shown[3].text, SaveFailedText("C:\\Missing\\p.VGP"));
  EXPECT_EQ(path, "C:\\Missing\\p.VGP");
}

TEST_F(SaveFlow, CancelThenYesGivesUpAtOnce) {
  std::string path = "C:\\Missing\\p.VGP";
  RecordSample(w.pkg, 1);
  dialogs.answers = {kIdYes, kIdYes};
  EXPECT_FALSE(SaveAs(path));
  EXPECT_EQ(dialogs.shown.size(), 3u);
  EXPECT_FALSE(w.fs.Exists(path));
}

TEST_F(SaveFlow, AChosenPathThatAlsoFailsIsOfferedAgain) {
  std::string path = "C:\\Missing\\p.VGP";
  RecordSample(w.pkg, 1);
  dialogs.answers = {kIdYes, kIdYes};
  dialogs.saveAnswers = {std::string("C:\\Gone\\x"), std::string("C:\\Packages\\ok")};
  EXPECT_TRUE(SaveAs(path));
  EXPECT_EQ(path, "C:\\Packages\\ok.VGP");
  ASSERT_EQ(dialogs.shown.size(), 4u);
  EXPECT_EQ(dialogs.shown[2].text, SaveFailedText("C:\\Gone\\x.VGP"));
  EXPECT_TRUE(w.fs.Exists("C:\\Packages\\ok.VGP"));
}

TEST_F(SaveFlow, TranslatedQuestionsAreMadeToEndInAQuestionMark) {
  SimSystemInfo sys;
  SimIniFile ini(w.fs);
  w.fs.AddFile("C:\\Tools\\Rec\\language\\English.lng",
               std::string("[MdlFile]\r\n1=File not saved.\r\n2=Cannot change the file\r\n3=Save it elsewhere\r\n"
                           "4=Save error\r\n5=Install script\r\n6=Save\r\n7=Really discard\r\n8=Discard\r\n"));
  language.SetName("English");
  language.LoadLanguage(Language::LoadContext{sys, w.fs, ini, dialogs, false});
  ASSERT_TRUE(dialogs.shown.empty());

  std::string path = "C:\\Missing\\p.VGP";
  RecordSample(w.pkg, 1);
  dialogs.answers = {kIdYes, kIdYes};
  EXPECT_FALSE(SaveAs(path));
  ASSERT_EQ(dialogs.shown.size(), 3u);
  EXPECT_EQ(dialogs.shown[0].text, "File not saved.\r\nCannot change the file\r\n'C:\\Missing\\p.VGP'.\r\nSave it elsewhere?");
  EXPECT_EQ(dialogs.shown[0].title, "Save error");
  EXPECT_EQ(dialogs.shown[1].request.filter, "Install script (*.VGP)|*.VGP|");
  EXPECT_EQ(dialogs.shown[1].request.title, "Save");
  EXPECT_EQ(dialogs.shown[2].text, "Really discard?");
  EXPECT_EQ(dialogs.shown[2].title, "Discard?");
}

}  // namespace
}  // namespace velgaro::test
