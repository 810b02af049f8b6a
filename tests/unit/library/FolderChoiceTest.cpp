// Choosing the package folder: browser, recent folders, the folder box and drops on the list.
#include <gtest/gtest.h>

#include "LibraryFixture.h"

namespace velgaro::test {
namespace {

using FolderChoiceTest = LibraryFixture;

TEST_F(FolderChoiceTest, ACancelledBrowserChangesNothing) {
  AddPackage("a");
  Open().ChooseFolderVGP();
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_TRUE(dialogs.shown[0].isFolderDialog);
  EXPECT_EQ(dialogs.shown[0].text, "Выберите папку содержащую файлы .VGP");
  EXPECT_EQ(dialogs.shown[0].title, kFolder);   // starts at the current folder
  EXPECT_EQ(model->Library().Folder(), kFolder);
  EXPECT_EQ(Texts().size(), 1u);
}

TEST_F(FolderChoiceTest, AChosenFolderIsStoredAndGoesToTheTopOfTheRecentFolders) {
  fs.AddFolder("C:\\Other");
  Open();
  dialogs.folderAnswers = {"C:\\Other"};
  model->ChooseFolderVGP();
  EXPECT_EQ(model->Library().Folder(), "C:\\Other");
  EXPECT_EQ(model->View().folderText, "C:\\Other");
  EXPECT_EQ(settings.Get("Path", "FolderVGP", ""), "C:\\Other");
  EXPECT_EQ(model->Recent().Caption(1), "C:\\Other");
  EXPECT_EQ(model->Recent().Caption(2), kFolder);
  EXPECT_EQ(settings.Get("Path", "vgp_2", ""), kFolder);
  EXPECT_TRUE(model->View().newInstallEnabled);
  EXPECT_FALSE(fs.Exists("C:\\Tools\\Rec\\velgaro.ini"));   // not portable: no INI file
}

TEST_F(FolderChoiceTest, PortableModeKeepsTheFolderInVariableForm) {
  fs.AddFolder("C:\\Other");
  app.PortableMode = true;
  Open();
  dialogs.folderAnswers = {"C:\\Other"};
  model->ChooseFolderVGP();
  EXPECT_EQ(ini.Read("C:\\Tools\\Rec\\velgaro.ini", "General", "VGPFolder", "", 128), "%DRIVEAPP%\\Other");
}

TEST_F(FolderChoiceTest, ARecentFolderThatVanishedIsReportedAndLeavesNoFolder) {
  settings.Set("Path", "vgp_1", kFolder);
  settings.Set("Path", "vgp_2", "C:\\Gone");
  Open();
  ASSERT_EQ(model->Recent().VisibleCount(), 2);
  model->OpenRecentFolder(2);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text,
            "Ошибка: Выберите существующий каталог\r\nНе найден указанный путь\r\nC:\\Gone");
  EXPECT_EQ(dialogs.shown[0].style, kMbIconStop);
  EXPECT_EQ(model->Library().Folder(), "");
  EXPECT_FALSE(model->View().newInstallEnabled);
  EXPECT_EQ(Panel(2), "Ошибка: Выберите существующий каталог");
  EXPECT_EQ(Panel(1), "");
  EXPECT_EQ(settings.Get("Path", "FolderVGP", ""), kFolder);   // the stored folder stays
}

TEST_F(FolderChoiceTest, RecentFoldersKeepFourAndBringAChosenOneToTheTop) {
  for (const char* f : {"C:\\F1", "C:\\F2", "C:\\F3", "C:\\F4", "C:\\F5"}) fs.AddFolder(f);
  Open();
  for (const char* f : {"C:\\F1", "C:\\F2", "C:\\F3", "C:\\F4", "C:\\F5"}) {
    dialogs.folderAnswers = {f};
    model->ChooseFolderVGP();
  }
  const RecentFolders& r = model->Recent();
  EXPECT_EQ(r.VisibleCount(), 4);
  EXPECT_EQ(r.Caption(1), "C:\\F5");
  EXPECT_EQ(r.Caption(4), "C:\\F2");
  model->OpenRecentFolder(3);   // F3
  EXPECT_EQ(r.Caption(1), "C:\\F3");
  EXPECT_EQ(r.Caption(2), "C:\\F5");
  EXPECT_EQ(r.Caption(3), "C:\\F4");
  EXPECT_EQ(r.Caption(4), "C:\\F2");
}

TEST_F(FolderChoiceTest, StartingWithoutAFolderKeepsTheRecentFolders) {
  settings.Set("Path", "vgp_1", "C:\\F1");
  settings.Set("Path", "vgp_2", "C:\\F2");
  settings.Set("Install", "Registry", "1");
  Model().Load();
  EXPECT_EQ(model->Recent().VisibleCount(), 2);
  EXPECT_EQ(settings.Get("Path", "vgp_1", ""), "C:\\F1");
  EXPECT_EQ(model->View().folderText, "Выберите папку");
  EXPECT_EQ(Panel(2), "Выберите папку");
  EXPECT_FALSE(model->View().newInstallEnabled);
  EXPECT_TRUE(model->FolderButton());   // the button drops the recent folders down
}

TEST_F(FolderChoiceTest, RecentFoldersAreReadUpToTheFirstEmptyOne) {
  settings.Set("Path", "vgp_1", "C:\\F1");
  settings.Set("Path", "vgp_3", "C:\\F3");
  RecentFolders r;
  r.Load(settings);
  EXPECT_EQ(r.VisibleCount(), 1);
  EXPECT_EQ(r.Caption(3), "");
}

TEST_F(FolderChoiceTest, TheFolderButtonBrowsesWhenThereIsNoRecentFolder) {
  settings.Set("Install", "Registry", "1");
  Model().Load();
  EXPECT_FALSE(model->FolderButton());
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_TRUE(dialogs.shown[0].isFolderDialog);
}

TEST_F(FolderChoiceTest, ATypedSystemRootIsLookedForUnderTheWindowsFolder) {
  AddPackage("a");
  fs.AddFile("C:\\WINDOWS\\x\\w.vgp", "");
  Open().FolderTyped("%systemroot%\\x");
  EXPECT_EQ(model->View().folderText, "C:\\WINDOWS\\x");
  EXPECT_EQ(model->Library().Folder(), "C:\\WINDOWS\\x");
  EXPECT_EQ(Texts(), (std::vector<std::string>{"w"}));
  EXPECT_EQ(Panel(2), "Папка найдена, и загружена");
  EXPECT_EQ(settings.Get("Path", "FolderVGP", ""), "C:\\WINDOWS\\x");
}

TEST_F(FolderChoiceTest, ATypedPathThatDoesNotExistEmptiesTheListAndAsksAgain) {
  AddPackage("a");
  Open().FolderTyped("C:\\Nope");
  EXPECT_TRUE(Texts().empty());
  EXPECT_EQ(model->Library().Folder(), "");
  EXPECT_EQ(Panel(2), "Путь не найден, попробуйте ввести заново");
  EXPECT_EQ(Panel(1), "0 из 0");
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, "Не найден указанный путь");
  EXPECT_EQ(dialogs.shown[0].title, "Ошибка");
  EXPECT_EQ(dialogs.shown[0].style, kMbIconExclamation);
  EXPECT_EQ(calls.back(), "focus folder box");
  EXPECT_FALSE(model->View().newInstallEnabled);
}

TEST_F(FolderChoiceTest, ATypedFileIsNoFolderAndSaysSo) {
  Open().FolderTyped(kSetup);
  EXPECT_EQ(model->Library().Folder(), "");
  EXPECT_EQ(Panel(2), "Ошибка: Выберите существующий каталог");
  EXPECT_FALSE(model->View().newInstallEnabled);
}

TEST_F(FolderChoiceTest, DroppedInstallersOpenTheNewPackageDialog) {
  fs.AddFile("C:\\Program Files\\Tool\\SETUP.REG", "REGEDIT4");
  Open().Drop({"C:\\Program Files\\Tool\\SETUP.REG", "C:\\other.exe"});
  EXPECT_TRUE(app.RecordMode);
  EXPECT_EQ(calls.back(), "new %PROGRAMFILES%\\Tool\\SETUP.REG | SETUP");
}

TEST_F(FolderChoiceTest, DroppedTextFilesDoNothing) {
  fs.AddFile("C:\\readme.txt", "x");
  Open().Drop({"C:\\readme.txt"});
  EXPECT_TRUE(calls.empty());
  EXPECT_FALSE(app.RecordMode);
}

TEST_F(FolderChoiceTest, DroppedFoldersAndPackagesChooseTheFolder) {
  fs.AddFile("C:\\Set1\\one.vgp", "");
  fs.AddFile("C:\\Set2\\two.vgp", "");
  Open().Drop({"C:\\Set1"});
  EXPECT_EQ(model->Library().Folder(), "C:\\Set1");
  EXPECT_EQ(Texts(), (std::vector<std::string>{"one"}));
  model->Drop({"C:\\Set2\\two.vgp"});
  EXPECT_EQ(model->Library().Folder(), "C:\\Set2");
  EXPECT_EQ(model->View().folderText, "C:\\Set2");
  EXPECT_EQ(settings.Get("Path", "FolderVGP", ""), "C:\\Set2");
  EXPECT_FALSE(app.RecordMode);
}

TEST_F(FolderChoiceTest, DropsOfWhatIsNotThereOrWithoutAFolderAreExplained) {
  Open().Drop({"C:\\Missing\\x.exe"});
  EXPECT_EQ(Panel(2), "Каталог или файл не существует - C:\\Missing\\x.exe");
  model->FolderTyped("C:\\Nope");
  dialogs.shown.clear();
  model->Drop({kSetup});
  EXPECT_EQ(Panel(2), "Выберите пожалуйста папку для сохранения файлов VGP.");
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(FolderChoiceTest, ReloadFindsNewPackagesOrReportsAVanishedFolder) {
  AddPackage("a");
  Open();
  AddPackage("b");
  model->Reload();
  EXPECT_EQ(Texts(), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(model->View().markedRow, 1);
  EXPECT_EQ(Panel(1), "0 из 2");
  fs.Remove(std::string(kFolder) + "\\a.vgp");
  fs.Remove(std::string(kFolder) + "\\b.vgp");
  fs.Remove(kFolder);
  model->Reload();
  EXPECT_EQ(Panel(2), "Ошибка: Выберите существующий каталог");
  ASSERT_FALSE(dialogs.shown.empty());
  EXPECT_EQ(dialogs.shown.back().style, kMbIconStop);
}

}  // namespace
}  // namespace velgaro::test
