// The new-package dialog's model: the field rules, browsing and dropping for the installer, and the
// checks of OK in their order with their messages.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "common/SimApp.h"
#include "library/NewPackageForm.h"
#include "library/NewPackageTip.h"

namespace velgaro::test {
namespace {

constexpr const char* kProduct = "Velgaro Replaysetup";

class NewPackageFormTest : public ::testing::Test, public SimApp {
 protected:
  NewPackageFormTest() {
    fs.AddFile(kSetup, "MZ");
    fs.AddFile("C:\\Setup\\setup.msi", "msi");
    fs.AddFile("C:\\Setup\\readme.txt", "text");
    fs.AddFile("C:\\Program Files\\App\\Setup.Exe", "MZ");
    fs.AddFile("C:\\a", "no extension");
    fs.AddFolder("C:\\Setup\\dir.exe");
    AddProgramAndPackageFolders();
  }

  NewPackageForm& Open(NewPackageSetup setup = {}) {
    if (setup.packageFolder.empty()) setup.packageFolder = kPackageFolder;
    form = std::make_unique<NewPackageForm>(NewPackageDeps{app.language, fs, settings, dialogs, app.paths}, setup, 42);
    form->Load();
    return *form;
  }
  const NewPackageState& S() const { return form->State(); }
  // A form filled in so that OK accepts it.
  NewPackageForm& Filled(std::vector<std::string> rows = {}) {
    Open(NewPackageSetup{std::move(rows), "", "", "", NewPackageMode::New});
    form->SetPath(kSetup);
    form->SetName("Setup");
    return *form;
  }
  std::string Setting(const char* section, const char* key) const { return settings.Get(section, key, "<none>"); }

  std::unique_ptr<NewPackageForm> form;
};

TEST_F(NewPackageFormTest, OpensEmptyWithTheFirstSpeedAndBothCaptionsRed) {
  Open();
  EXPECT_EQ(S().caption, "Новый пакет");
  EXPECT_EQ(S().speedItems, (std::vector<std::string>{"Без ограничения", "Средняя", "Медленно"}));
  EXPECT_EQ(S().localSpeed, 0);
  EXPECT_EQ(S().createDate, "Дата создания: ");
  EXPECT_EQ(S().charactersLeft, 200);
  EXPECT_TRUE(S().fileNameRed);
  EXPECT_TRUE(S().nameLabelRed);
  EXPECT_TRUE(S().pathEnabled);
  EXPECT_FALSE(S().createRebootEnabled);
  EXPECT_FALSE(S().changed);
  EXPECT_EQ(form->ActivationFocus(), NewPackageFocus::Browse);

  // A file dropped on the main list arrives with its name.
  Open(NewPackageSetup{{}, "", "%PROGRAMFILES%\\App\\Setup.Exe", "Setup", NewPackageMode::New});
  EXPECT_EQ(S().path, "%PROGRAMFILES%\\App\\Setup.Exe");
  EXPECT_EQ(S().name, "Setup");
  EXPECT_FALSE(S().fileNameRed);
  EXPECT_FALSE(S().nameLabelRed);

  Open(NewPackageSetup{{}, "", "", "", NewPackageMode::Properties});
  EXPECT_EQ(S().caption, "Свойства");
}

TEST_F(NewPackageFormTest, CheckBoxesEnableAndClearTheirDependants) {
  Open();
  form->SetFileName(false);
  EXPECT_EQ(S().path, "-");
  EXPECT_FALSE(S().pathEnabled);
  EXPECT_FALSE(S().needWait);
  EXPECT_FALSE(S().needWaitEnabled);
  EXPECT_FALSE(S().fileNameRed);
  EXPECT_EQ(form->ActivationFocus(), NewPackageFocus::FileNameCheck);
  form->SetNeedWait(true);   // a click on the disabled box changes nothing
  EXPECT_FALSE(S().needWait);
  form->SetFileName(true);
  EXPECT_EQ(S().path, "");
  EXPECT_TRUE(S().pathEnabled);
  EXPECT_TRUE(S().needWaitEnabled);
  EXPECT_TRUE(S().fileNameRed);

  form->SetNeedReboot(true);
  EXPECT_TRUE(S().createRebootEnabled);
  form->SetCreateReboot(true);
  EXPECT_TRUE(S().createReboot);
  form->SetNeedReboot(false);
  EXPECT_FALSE(S().createReboot);
  EXPECT_FALSE(S().createRebootEnabled);
}

TEST_F(NewPackageFormTest, AutoReplaceRewritesPathAndParametersBothWays) {
  Open();
  form->SetPath("C:\\Program Files\\App\\Setup.Exe");
  form->SetCommandLine("/D=C:\\Program Files\\App");
  form->SetAutoReplace(true);
  EXPECT_EQ(S().path, "%PROGRAMFILES%\\App\\Setup.Exe");
  EXPECT_EQ(S().commandLine, "/D=%PROGRAMFILES%\\App");
  form->SetAutoReplace(false);
  EXPECT_EQ(S().path, "C:\\Program Files\\App\\Setup.Exe");
  EXPECT_EQ(S().commandLine, "/D=C:\\Program Files\\App");
}

TEST_F(NewPackageFormTest, LabelsFollowTheBoxes) {
  Open();
  form->SetName("   ");
  EXPECT_TRUE(S().nameLabelRed);   // blanks only count as empty
  form->SetName("x");
  EXPECT_FALSE(S().nameLabelRed);
  form->SetPath(" ");
  EXPECT_FALSE(S().fileNameRed);   // the path box is not trimmed
  EXPECT_TRUE(S().changed);

  form->SetDescription("Пакет");   // letters, not bytes
  EXPECT_EQ(S().charactersLeft, 195);
  form->SetDescription(std::string(199, 'a') + "яя");
  EXPECT_EQ(S().charactersLeft, 0);
  EXPECT_EQ(S().description, std::string(199, 'a') + "я");
  form->SetDescription("");
  EXPECT_EQ(S().charactersLeft, 200);
}

TEST_F(NewPackageFormTest, OkChecksInOrderAndEachFailureKeepsTheDialog) {
  Open();
  struct Step {
    std::string path, name, message;
    unsigned style;
    NewPackageFocus focus;
  };
  const std::vector<Step> steps{
      {"", "", "Необходимо ввести адрес исполняемого файла", kMbOk, NewPackageFocus::PathBox},
      {"C:\\Nowhere\\x.exe", "  ", "Введите имя пакета", kMbOk, NewPackageFocus::NameBox},
      {"C:\\Nowhere\\x.exe", "a/b", "Имя файла не должно содержать следующих знаков\r\n\\:/*?\"<>|",
       kMbIconExclamation, NewPackageFocus::NameBox},
      {"C:\\Nowhere\\x.exe", "ab", "Введите существующий адрес файла.", kMbOk, NewPackageFocus::PathBoxSelected},
      {"C:\\Setup\\dir.exe", "ab", "Введите существующий адрес файла.", kMbOk, NewPackageFocus::PathBoxSelected},
      {"C:\\Setup\\readme.txt", "ab", "Выберите только поддерживаемый тип файлов", kMbOk, NewPackageFocus::None},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.path + " | " + step.name);
    dialogs.shown.clear();
    form->SetPath(step.path);
    form->SetName(step.name);
    const NewPackageOkResult result = form->Ok();
    EXPECT_EQ(result.outcome, NewPackageOutcome::Stay);
    EXPECT_EQ(result.focus, step.focus);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, step.message);
    EXPECT_EQ(dialogs.shown[0].title, kProduct);
    EXPECT_EQ(dialogs.shown[0].style, step.style);
    EXPECT_EQ(dialogs.shown[0].owner, 42u);
    EXPECT_FALSE(form->Request());
  }
  // Four characters or fewer: refused without a word.
  dialogs.shown.clear();
  form->SetPath("C:\\a");
  EXPECT_EQ(form->Ok().outcome, NewPackageOutcome::Stay);
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(Setting("Path", "FolderBrowseExe"), "<none>");
}

TEST_F(NewPackageFormTest, AcceptedEntryBecomesTheRecordingRequest) {
  Open();
  form->SetPath("%PROGRAMFILES%\\App\\Setup.Exe");   // extension in mixed case
  form->SetName("My app");
  form->SetDescription("Тестовый пакет");
  form->SetCommandLine("  /S /D=%PROGRAMFILES%\\App  ");
  form->SetNeedReboot(true);
  form->SetCreateReboot(true);
  form->SetLocalSpeed(2);
  form->SetDefSelect(true);
  form->SetNeedWait(false);
  ASSERT_EQ(form->Ok().outcome, NewPackageOutcome::Accepted);
  EXPECT_TRUE(dialogs.shown.empty());
  const NewPackageRequest& r = *form->Request();
  EXPECT_EQ(r.installerPath, "C:\\Program Files\\App\\Setup.Exe");
  EXPECT_EQ(r.packageName, "My app");
  EXPECT_EQ(r.description, "Тестовый пакет");
  EXPECT_EQ(r.commandLine, "/S /D=C:\\Program Files\\App");
  EXPECT_TRUE(r.options.needReboot);
  EXPECT_TRUE(r.options.createReboot);
  EXPECT_EQ(r.options.localSpeed, 2);
  EXPECT_TRUE(r.options.defSelect);
  EXPECT_FALSE(r.options.needWait);
  EXPECT_EQ(r.packageFolder, "C:\\Packages");
  EXPECT_EQ(Setting("Path", "FolderBrowseExe"), "C:\\Program Files\\App");
  EXPECT_TRUE(form->ShowRecordingTip());
}

TEST_F(NewPackageFormTest, ADashStartsNoInstallerAndIsAccepted) {
  Open();
  form->SetFileName(false);
  form->SetName("Settings only");
  ASSERT_EQ(form->Ok().outcome, NewPackageOutcome::Accepted);
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(form->Request()->installerPath, "-");
  EXPECT_FALSE(form->Request()->options.needWait);
}

TEST_F(NewPackageFormTest, TheTipIsShownUntilFirstTipReadsOne) {
  for (const auto& [stored, shown] : std::vector<std::pair<std::string, bool>>{
           {"0", true}, {"1", false}, {"2", true}, {"1 ", false}, {"abc", true}}) {
    settings.Set("View", "FirstTip", stored);
    Filled();
    ASSERT_EQ(form->Ok().outcome, NewPackageOutcome::Accepted);
    EXPECT_EQ(form->ShowRecordingTip(), shown) << stored;
  }
  EXPECT_TRUE(StoreRecordingTipChoice(settings, true));
  EXPECT_EQ(Setting("View", "FirstTip"), "1");
  EXPECT_FALSE(RecordingTipWanted(settings));
  EXPECT_TRUE(StoreRecordingTipChoice(settings, false));
  EXPECT_EQ(Setting("View", "FirstTip"), "0");
}

TEST_F(NewPackageFormTest, AnExistingNameIsReplacedOnlyAfterYes) {
  const std::string question =
      "Пакет с именем 'Setup' уже существует в выбранной директории.\r\n\r\n"
      "Нажмите Да для перезаписи или Нет для ввода заново.";
  Filled({"Other", "Setup"});
  dialogs.answers = {kIdNo};
  const NewPackageOkResult no = form->Ok();
  EXPECT_EQ(no.outcome, NewPackageOutcome::Stay);
  EXPECT_EQ(no.focus, NewPackageFocus::NameBoxSelected);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, question);
  EXPECT_EQ(dialogs.shown[0].title, kProduct);
  EXPECT_EQ(dialogs.shown[0].style, kMbQuestionStyle);
  EXPECT_FALSE(form->Request());

  dialogs.answers = {kIdYes};
  EXPECT_EQ(form->Ok().outcome, NewPackageOutcome::Accepted);
  EXPECT_EQ(form->Request()->packageName, "Setup");

  // Only the case differs: the same file on Windows, so the same question.
  Filled({"SETUP"});
  dialogs.shown.clear();
  EXPECT_EQ(form->Ok().outcome, NewPackageOutcome::Stay);   // unanswered: No
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].style, kMbQuestionStyle);

  // A trailing blank makes another name: no question, and the name is kept as typed.
  Filled({"Setup"});
  form->SetName("Setup ");
  dialogs.shown.clear();
  EXPECT_EQ(form->Ok().outcome, NewPackageOutcome::Accepted);
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(form->Request()->packageName, "Setup ");
}

TEST_F(NewPackageFormTest, TranslatedQuestionPutsTheNameWhereItsMarkerIs) {
  fs.AddFile("C:\\Tools\\Rec\\language\\English.lng",
             std::string("[New]\r\n18=Package %s exists.\r\n19=Overwrite?\r\n"));
  app.language.SetName("English");
  app.language.LoadLanguage(Language::LoadContext{sys, fs, ini, dialogs, false});
  ASSERT_TRUE(dialogs.shown.empty());
  Filled({"Setup"});
  EXPECT_EQ(form->Ok().outcome, NewPackageOutcome::Stay);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, "Package Setup exists.\r\n\r\nOverwrite?");
}

TEST_F(NewPackageFormTest, BrowseStartsAtTheNearestFolderAndRemembersTheChosenOne) {
  Open();
  settings.Set("Path", "FolderBrowseExe", "C:\\Setup\\Gone\\Deeper");
  dialogs.openAnswers = {std::string("C:\\Setup\\setup.msi") + '\0' + '\0'};
  form->Browse();
  ASSERT_EQ(dialogs.shown.size(), 1u);
  const SaveFileRequest& request = dialogs.shown[0].request;
  EXPECT_TRUE(dialogs.shown[0].isOpenDialog);
  EXPECT_EQ(request.startFolder, "C:\\Setup");
  EXPECT_EQ(request.fileName, "");
  EXPECT_EQ(request.title, "Открыть");
  EXPECT_EQ(request.flags, 0x1004u);
  EXPECT_EQ(request.filter,
            "Все форматы (*.exe; *.msi; *.reg; *.bat; *.cmd)|*.exe; *.msi; *.reg; *.bat; *.cmd|"
            "Исполняемые файлы (*.exe)|*.exe|Исполняемые файлы (*.msi)|*.msi|Файлы реестра (*.reg)|*.reg|"
            "Пакетные файлы MS-DOS (*.bat)|*.bat|Командный сценарий Windows NT (*.cmd)|*.cmd");
  EXPECT_EQ(S().path, "C:\\Setup\\setup.msi");
  EXPECT_EQ(S().name, "setup");
  EXPECT_EQ(Setting("Path", "FolderBrowseExe"), "C:\\Setup");

  // From the box's installer; a typed name stays; auto-replace collapses the choice.
  form->SetPath("%PROGRAMFILES%\\App\\Setup.Exe");
  form->SetName("Mine");
  form->SetAutoReplace(true);
  dialogs.openAnswers = {std::string("C:\\Program Files\\App\\Setup.Exe")};
  form->Browse();
  EXPECT_EQ(dialogs.shown[1].request.startFolder, "C:\\Program Files\\App\\Setup.Exe");
  EXPECT_EQ(dialogs.shown[1].request.fileName, "C:\\Program Files\\App\\Setup.Exe");
  EXPECT_EQ(S().path, "%PROGRAMFILES%\\App\\Setup.Exe");
  EXPECT_EQ(S().name, "Mine");

  // Cancelled: the boxes stay, the remembered folder is emptied.
  form->Browse();
  EXPECT_EQ(S().path, "%PROGRAMFILES%\\App\\Setup.Exe");
  EXPECT_EQ(Setting("Path", "FolderBrowseExe"), "");
  form->SetPath("");
  form->Browse();
  EXPECT_EQ(dialogs.shown[3].request.startFolder, "C:\\");
}

TEST_F(NewPackageFormTest, OnlyAFirstDroppedInstallerFillsTheBoxes) {
  Open();
  form->SetName("Typed");
  EXPECT_FALSE(form->DropOnPath({"C:\\Setup\\readme.txt", "C:\\Setup\\setup.msi"}));
  EXPECT_FALSE(form->DropOnPath({"C:\\Setup\\dir.exe"}));
  EXPECT_FALSE(form->DropOnPath({}));
  EXPECT_EQ(S().path, "");
  EXPECT_EQ(S().name, "Typed");
  EXPECT_TRUE(form->DropOnPath({"C:\\Setup\\Setup.MSI", "C:\\Setup\\readme.txt"}));
  EXPECT_EQ(S().path, "C:\\Setup\\Setup.MSI");
  EXPECT_EQ(S().name, "Setup");
  form->SetAutoReplace(true);
  EXPECT_TRUE(form->DropOnPath({"C:\\Program Files\\App\\Setup.Exe"}));
  EXPECT_EQ(S().path, "%PROGRAMFILES%\\App\\Setup.Exe");
}

TEST_F(NewPackageFormTest, CtrlTabWrapsToTheFirstTab) {
  Open();
  form->NextTab();
  EXPECT_EQ(S().tab, 1);
  form->NextTab();
  EXPECT_EQ(S().tab, 0);
  form->SelectTab(5);
  EXPECT_EQ(S().tab, 0);
}

TEST_F(NewPackageFormTest, PropertiesModeRefusesPathCharactersAndLeavesTheRestToItsCaller) {
  Open(NewPackageSetup{{"Setup"}, "", "C:\\Nowhere\\a*.exe", "Setup", NewPackageMode::Properties});
  EXPECT_EQ(form->Ok().focus, NewPackageFocus::PathBox);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, "Путь к файлу не должен содержать следующих знаков\r\n\\:/*?\"<>|");
  EXPECT_EQ(dialogs.shown[0].style, kMbIconExclamation);
  form->SetPath("C:\\Nowhere\\a.exe");
  EXPECT_EQ(form->Ok().outcome, NewPackageOutcome::PropertiesChecked);
  EXPECT_EQ(dialogs.shown.size(), 1u);
  EXPECT_FALSE(form->Request());
}

}  // namespace
}  // namespace velgaro::test
