// Opening the editor, choosing its folder, sorting and closing.
#include <gtest/gtest.h>

#include "EditorFixture.h"

namespace velgaro::test {
namespace {

using Strings = std::vector<std::string>;

class EditorLoadTest : public EditorFixture {
 protected:
  // A portable copy opened on kFolder (package a), with another folder C:\Other (package o) to go to.
  void OpenBesideAnotherFolder() {
    AddPackage("a", "C:\\a.exe");
    fs.AddFile("C:\\Other\\o.vgp", "");
    app.PortableMode = true;
    Open();
  }
};

TEST_F(EditorLoadTest, OpensOnTheFolderSettingInTheSavedOrderWithStoredPaths) {
  for (const char* name : {"a", "b", "c", "d"}) AddPackage(name, std::string("%PROGRAMFILES%\\") + name + ".exe");
  fs.AddFile(std::string(kFolder) + "\\Position.lst", "\r\nd\r\nb\r\nx\r\n");
  Open();
  EXPECT_EQ(Column(1), (Strings{"d", "b", "c", "a"}));   // x names nothing; a and c placed by the swaps
  EXPECT_EQ(Column(2)[0], "%PROGRAMFILES%\\d.exe");       // as stored: auto-replace is off
  EXPECT_EQ(Column(3), Strings(4));
  for (const EditorRow& row : model->Rows()) EXPECT_TRUE(row.ticked);
  EXPECT_EQ(model->Total(), 4);
  EXPECT_EQ(model->Changed(), 0);
  EXPECT_TRUE(model->Saved());
  EXPECT_FALSE(model->ReplaceEnabled());
  EXPECT_EQ(calls, (Strings{"show", "0/4", "1/4", "2/4", "3/4", "hide", "focus find"}));
}

TEST_F(EditorLoadTest, WithoutAFolderOrWithAnUnlistableOneNothingIsListed) {
  OpenWithoutSetting();
  EXPECT_EQ(model->FolderText(), "Выберите папку");
  EXPECT_EQ(model->Status(), "Выберите папку");
  EXPECT_TRUE(model->Rows().empty());

  AddPackage("a", "C:\\a.exe");
  fs.SetUnlistable(kFolder, true);
  Open();
  EXPECT_TRUE(model->Rows().empty());
  EXPECT_EQ(model->Status(), "Обнаружена ошибка в модуле LoadListView");
  EXPECT_EQ(model->PackageFolder(), "");
}

TEST_F(EditorLoadTest, TheFolderBrowserStoresTheChosenFolderAndClearsTheBoxes) {
  OpenBesideAnotherFolder();
  model->ChoosePackageFolder();   // cancelled
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, "Выберите папку содержащую файлы .VGP");
  EXPECT_EQ(dialogs.shown[0].title, kFolder);
  EXPECT_EQ(Column(1), Strings{"a"});

  model->SetFindText("x");
  model->SetReplaceText("y");
  dialogs.folderAnswers = {"C:\\Other"};
  model->ChoosePackageFolder();
  EXPECT_EQ(Column(1), Strings{"o"});
  EXPECT_EQ(model->FolderText(), "C:\\Other");
  EXPECT_EQ(settings.Get("Path", "FolderVGP", ""), "C:\\Other");
  EXPECT_EQ(ini.Read("C:\\Tools\\Rec\\velgaro.ini", "General", "VGPFolder", "", 128), "%DRIVEAPP%\\Other");
  EXPECT_EQ(model->FindText(), "");
  EXPECT_EQ(model->ReplaceText(), "");
}

TEST_F(EditorLoadTest, ATypedFolderIsLoadedOrReported) {
  OpenBesideAnotherFolder();
  model->FolderTyped("C:\\Other");
  EXPECT_EQ(Column(1), Strings{"o"});
  EXPECT_EQ(model->Status(), "Папка найдена, и загружена");
  EXPECT_EQ(settings.Get("Path", "FolderVGP", ""), "C:\\Other");
  EXPECT_FALSE(fs.Exists("C:\\Tools\\Rec\\velgaro.ini"));   // typed folders skip the INI file

  model->FolderTyped("C:\\Nowhere");
  EXPECT_TRUE(model->Rows().empty());
  EXPECT_EQ(model->Total(), 0);
  EXPECT_EQ(model->Status(), "Путь не найден, попробуйте ввести заново");
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, "Не найден указанный путь");
  EXPECT_EQ(dialogs.shown[0].title, "Ошибка");
  EXPECT_EQ(dialogs.shown[0].style, kMbIconExclamation);
  EXPECT_EQ(calls.back(), "focus folder");
  EXPECT_EQ(settings.Get("Path", "FolderVGP", ""), "C:\\Other");
}

TEST_F(EditorLoadTest, SortingTogglesTheOrderAndMovesWholeRows) {
  AddPackage("b", "C:\\1.exe");
  AddPackage("C", "C:\\3.exe");
  AddPackage("a", "C:\\2.exe");
  Open().SetTicked(1, false);   // b
  model->SortListView(1);
  EXPECT_EQ(Column(1), (Strings{"a", "b", "C"}));
  model->SortListView(1);
  EXPECT_EQ(Column(1), (Strings{"C", "b", "a"}));
  EXPECT_FALSE(model->Rows()[1].ticked);
  model->SortListView(2);
  EXPECT_EQ(Column(1), (Strings{"b", "a", "C"}));
  EXPECT_EQ(Column(2)[0], "C:\\1.exe");
}

TEST_F(EditorLoadTest, ClosingAsksOnlyWhileChangesArePending) {
  AddPackage("a", "C:\\a.exe");
  EXPECT_TRUE(Open().QueryClose());
  EXPECT_TRUE(dialogs.shown.empty());
  Replace("a.exe", "b.exe");
  dialogs.answers = {kIdNo, kIdYes};
  EXPECT_FALSE(model->QueryClose());
  EXPECT_TRUE(model->QueryClose());
  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(dialogs.shown[0].text, "Вы действительно хотите прервать работу мастера?");
  EXPECT_EQ(dialogs.shown[0].style, kMbQuestionStyle);
}

}  // namespace
}  // namespace velgaro::test
