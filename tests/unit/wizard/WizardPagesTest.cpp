#include <gtest/gtest.h>

#include "unit/wizard/WizardFixture.h"

namespace velgaro::test {
namespace {

using Pages = WizardFixture;

TEST_F(Pages, LoadShowsTheFirstStepAndTheStoredChoices) {
  settings.Set("Install", "Speed_for_ISO", "1");
  settings.Set("Path", "ISO_temp", kTarget);
  Model().Load();
  const WizardState& s = model->State();
  EXPECT_EQ(s.caption, "Мастер создания диска (Шаг 1 из 7)");
  EXPECT_EQ(s.speedItems, (std::vector<std::string>{"Быстрая", "Средняя", "Медленно"}));
  EXPECT_EQ(s.speed, 1);
  EXPECT_TRUE(s.speedOlive);
  EXPECT_EQ(s.targetLabel.text, kTarget);
  EXPECT_EQ(s.targetLabel.color, WizardColor::Olive);
  EXPECT_TRUE(s.nextEnabled);
  EXPECT_FALSE(s.backEnabled);
}

TEST_F(Pages, AStoredTargetThatIsGoneOrABadSpeedIsNotTaken) {
  settings.Set("Install", "Speed_for_ISO", "7");
  settings.Set("Path", "ISO_temp", "E:\\Gone");
  Model().Load();
  EXPECT_EQ(model->State().speed, -1);
  EXPECT_FALSE(model->State().speedOlive);
  EXPECT_TRUE(model->TargetFolder().empty());
  EXPECT_FALSE(model->State().nextEnabled);
  EXPECT_FALSE(model->Next());
  EXPECT_EQ(model->State().step, 0);
}

TEST_F(Pages, TheCounterFollowsEveryStepAndTheClosingPageHasNone) {
  AddPackage("Editor", "C:\\Setup\\setup.exe");
  fs.AddFile("C:\\Setup\\setup.exe", "MZ");
  WizardModel& m = OpenList();
  EXPECT_EQ(m.State().caption, "Мастер создания диска (Шаг 5 из 7)");
  m.Compute();
  ASSERT_TRUE(m.State().nextEnabled);
  ASSERT_TRUE(m.Next());
  ASSERT_TRUE(m.Next());
  EXPECT_EQ(m.State().step, 6);
  EXPECT_EQ(m.State().caption, "Мастер создания диска (Шаг 7 из 7)");
  EXPECT_EQ(m.State().nextCaption, "Далее");
  ASSERT_TRUE(m.Next());
  EXPECT_EQ(m.State().step, 7);
  EXPECT_EQ(m.State().caption, "Мастер создания диска");
  EXPECT_EQ(m.State().nextCaption, "Финиш");
  EXPECT_FALSE(m.State().closeRequested);
  ASSERT_TRUE(m.Next());
  EXPECT_TRUE(m.State().finished);
  EXPECT_TRUE(m.State().closeRequested);
  EXPECT_TRUE(m.QueryClose());
  EXPECT_TRUE(dialogs.shown.empty());   // a finished wizard closes without a question
}

TEST_F(Pages, TheCounterUsesTheLanguageTexts) {
  SimFileSystem langFs;
  langFs.AddFile(sys.exeFolder + "\\language\\English.lng",
                 "[main]\r\n13=of\r\n[Wizard]\r\n1=Disk creation wizard\r\n17=Step\r\n");
  SimIniFile langIni{langFs};
  app.language.SetName("English");
  app.language.LoadLanguage({sys, langFs, langIni, dialogs, false});
  Model().Load();
  EXPECT_EQ(model->State().caption, "Disk creation wizard (Step 1 of 7)");
}

TEST_F(Pages, BackServesOnlyTheSecondAndThirdPage) {
  AddPackage("Editor", "C:\\Setup\\setup.exe");
  WizardModel& m = LoadStored();
  ASSERT_TRUE(m.Next());
  EXPECT_TRUE(m.State().backEnabled);
  ASSERT_TRUE(m.Next());
  EXPECT_EQ(m.State().step, 2);
  EXPECT_TRUE(m.State().backEnabled);
  ASSERT_TRUE(m.Back());
  EXPECT_EQ(m.State().step, 1);
  EXPECT_TRUE(m.State().backEnabled);
  EXPECT_TRUE(m.State().nextEnabled);
  ASSERT_TRUE(m.Back());
  EXPECT_EQ(m.State().step, 0);
  EXPECT_FALSE(m.State().backEnabled);
  EXPECT_EQ(m.State().focus, WizardFocus::Next);
  EXPECT_EQ(m.State().caption, "Мастер создания диска (Шаг 1 из 7)");
  EXPECT_FALSE(m.Back());
  ASSERT_TRUE(m.Next());
  ASSERT_TRUE(m.Next());
  ASSERT_TRUE(m.Next());   // copying has happened: no way back
  EXPECT_EQ(m.State().step, 3);
  EXPECT_FALSE(m.State().backEnabled);
  EXPECT_FALSE(m.Back());
  ASSERT_TRUE(m.Next());
  EXPECT_FALSE(m.State().backEnabled);
  EXPECT_FALSE(m.State().nextEnabled);   // until the sizes are measured
  EXPECT_EQ(m.State().focus, WizardFocus::Compute);
  EXPECT_FALSE(m.Next());
}

TEST_F(Pages, ChoosingTheTargetFolder) {
  Model().Load();
  dialogs.folderAnswers = {""};
  model->ChooseTargetFolder();
  EXPECT_EQ(dialogs.shown.back().text, "Укажите месторасположение будущего образа диска. Папка должна быть пуста");
  EXPECT_EQ(model->State().targetLabel.text, "Вы должны выбрать расположение");
  EXPECT_EQ(model->State().targetLabel.color, WizardColor::Red);
  EXPECT_EQ(model->State().focus, WizardFocus::TargetBrowse);
  EXPECT_FALSE(model->State().nextEnabled);

  dialogs.folderAnswers = {"E:\\New"};
  model->ChooseTargetFolder();
  EXPECT_EQ(model->TargetFolder(), "E:\\New");
  EXPECT_EQ(model->State().targetLabel.color, WizardColor::Green);
  EXPECT_EQ(settings.Get("Path", "ISO_temp", ""), "E:\\New");
  EXPECT_TRUE(model->State().nextEnabled);
  EXPECT_EQ(model->State().focus, WizardFocus::Next);

  dialogs.folderAnswers = {""};
  model->ChooseTargetFolder();   // the browser starts at the stored folder
  EXPECT_EQ(dialogs.shown.back().title, "E:\\New");
  EXPECT_FALSE(model->State().nextEnabled);
}

TEST_F(Pages, ThePackageFolderNeedsAPackageFile) {
  settings.Set("Path", "ISO_temp", kTarget);
  Model().Load();
  ASSERT_TRUE(model->Next());
  EXPECT_FALSE(model->State().nextEnabled);   // nothing stored yet
  fs.AddFile("C:\\Empty\\readme.txt", "x");
  fs.AddFolder("C:\\Empty\\old.vgp");         // a folder is no package file
  dialogs.folderAnswers = {"C:\\Empty"};
  model->ChoosePackageFolder();
  EXPECT_EQ(dialogs.shown.back().text, "Выберите папку содержащую файлы .VGP");
  EXPECT_EQ(model->State().fileCount, "0 - файлов");
  EXPECT_EQ(model->State().diagnosis.text,
            "Вы должны выбрать папку, в которой содержиться как минимум 1 файл VGP");
  EXPECT_EQ(model->State().diagnosis.color, WizardColor::Red);
  EXPECT_FALSE(model->State().nextEnabled);
  EXPECT_FALSE(model->Next());

  AddPackage("A", "-");
  AddPackage("B", "-");
  dialogs.folderAnswers = {kPackages};
  model->ChoosePackageFolder();
  EXPECT_EQ(model->State().fileCount, "2 - файлов");
  EXPECT_TRUE(model->State().diagnosis.text.empty());
  EXPECT_EQ(model->State().packageFolderLabel.color, WizardColor::Green);
  EXPECT_EQ(model->PackageFolder(), kPackages);
  EXPECT_EQ(settings.Get("Path", "FolderVGP_for_ISO", ""), kPackages);
  EXPECT_TRUE(model->State().nextEnabled);

  dialogs.folderAnswers = {""};
  model->ChoosePackageFolder();   // a cancel leaves Next disabled
  EXPECT_EQ(dialogs.shown.back().title, kPackages);
  EXPECT_FALSE(model->State().nextEnabled);
}

TEST_F(Pages, TheStoredPackageFolderAndNameArePreselected) {
  AddPackage("A", "-");
  settings.Set("Path", "SoftFolder", "Soft");
  LoadStored();
  ASSERT_TRUE(model->Next());
  const WizardState& s = model->State();
  EXPECT_EQ(s.packageFolderLabel.text, kPackages);
  EXPECT_EQ(s.packageFolderLabel.color, WizardColor::Olive);
  EXPECT_EQ(s.fileCount, "1 - файлов");
  EXPECT_TRUE(s.nextEnabled);
  EXPECT_EQ(s.softFolderName, "Soft");
  EXPECT_EQ(s.softFolderColor, WizardColor::Olive);
  EXPECT_TRUE(dialogs.shown.empty());

  settings.Set("Path", "SoftFolder", "a/b");   // a bad stored name is replaced without a message
  ASSERT_TRUE(model->Back());
  ASSERT_TRUE(model->Next());
  EXPECT_EQ(model->State().softFolderName, "Programs");
  EXPECT_EQ(model->State().softFolderColor, WizardColor::Green);
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Pages, LeavingTheSecondPageStoresTheChoices) {
  AddPackage("A", "-");
  LoadStored();
  ASSERT_TRUE(model->Next());
  model->SetSpeed(0);
  model->SoftFolderChanged("Soft");
  ASSERT_TRUE(model->Next());
  EXPECT_EQ(settings.Get("Install", "Speed_for_ISO", ""), "0");
  EXPECT_EQ(settings.Get("Path", "SoftFolder", ""), "Soft");
  EXPECT_EQ(model->State().summaryTarget, kTarget);
  EXPECT_EQ(model->State().summaryPackages, kPackages);
  EXPECT_EQ(model->State().summaryProgram, sys.exeFolder);
  EXPECT_TRUE(model->State().nextEnabled);
}

TEST_F(Pages, ARefusedProgramsFolderNameKeepsTheUserOnThePage) {
  AddPackage("A", "-");
  LoadStored();
  ASSERT_TRUE(model->Next());
  model->SoftFolderChanged("Disk/Soft");
  EXPECT_EQ(model->State().softFolderColor, WizardColor::Red);
  EXPECT_TRUE(dialogs.shown.empty());   // typing shows no message
  EXPECT_FALSE(model->Next());
  EXPECT_EQ(model->State().step, 1);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, "Имя папки не должно содержать следующих знаков\r\n\\:/*?\"<>|");
  EXPECT_EQ(dialogs.shown[0].style, static_cast<unsigned>(kMbIconExclamation));
  EXPECT_EQ(dialogs.shown[0].title, "Velgaro Replaysetup");
  EXPECT_TRUE(model->State().softFolderSelectAll);
  EXPECT_EQ(model->State().focus, WizardFocus::SoftFolderBox);
  EXPECT_EQ(settings.Get("Path", "SoftFolder", "unset"), "unset");
}

TEST_F(Pages, IsValidNameMessages) {
  Model().Load();
  EXPECT_FALSE(model->IsValidName("", true));
  EXPECT_EQ(dialogs.shown.back().text, "Необходимо ввести имя папки для программ");
  EXPECT_EQ(dialogs.shown.back().style, static_cast<unsigned>(kMbOk));
  EXPECT_FALSE(model->IsValidName("   ", true));
  EXPECT_EQ(dialogs.shown.back().text, "Введите имя пакета");
  EXPECT_EQ(dialogs.shown.back().style, static_cast<unsigned>(kMbOk));
  for (const char* bad : {"a\\b", "c:", "x*", "q?", "\"q\"", "<a", "a>", "a|b"}) {
    EXPECT_FALSE(model->IsValidName(bad, false)) << bad;
  }
  const std::size_t shown = dialogs.shown.size();
  EXPECT_TRUE(model->IsValidName("Programs", true));
  EXPECT_TRUE(model->IsValidName("Мои программы", true));
  EXPECT_EQ(model->State().softFolderColor, WizardColor::Green);
  EXPECT_EQ(dialogs.shown.size(), shown);
  model->SoftFolderChanged("");
  EXPECT_FALSE(model->SoftFolderLostFocus());
  EXPECT_EQ(model->State().focus, WizardFocus::SoftFolderBox);
}

TEST_F(Pages, ClosingEarlyAsksFirst) {
  settings.Set("Path", "ISO_temp", kTarget);
  Model().Load();
  dialogs.answers = {kIdNo};
  EXPECT_FALSE(model->QueryClose());
  EXPECT_EQ(dialogs.shown.back().text, "Вы действительно хотите прервать работу мастера?");
  EXPECT_EQ(dialogs.shown.back().style, static_cast<unsigned>(kMbQuestionStyle));
  EXPECT_EQ(model->TargetFolder(), kTarget);
  dialogs.answers = {kIdYes};
  EXPECT_TRUE(model->QueryClose());
  EXPECT_TRUE(model->TargetFolder().empty());
}

}  // namespace
}  // namespace velgaro::test
