// The commands on rows: counts and command states, checks, moves, deleting, and the context menu.
#include <gtest/gtest.h>

#include "LibraryFixture.h"

namespace velgaro::test {
namespace {

using MainWindowCommandsTest = LibraryFixture;

TEST_F(MainWindowCommandsTest, AnEmptyFolderCountsNothingAndOffersNothing) {
  const MainWindowView& v = Open().View();
  EXPECT_EQ(Panel(1), "0 из 0");
  EXPECT_EQ(Panel(2), "");
  EXPECT_FALSE(v.runSelectEnabled);
  EXPECT_FALSE(v.delSelectEnabled);
  EXPECT_FALSE(v.unselectAllEnabled);
  EXPECT_FALSE(v.runAllEnabled);
  EXPECT_FALSE(v.selectAllEnabled);
  EXPECT_TRUE(v.newInstallEnabled);
}

TEST_F(MainWindowCommandsTest, CheckingRowsOpensTheirCommands) {
  for (const char* n : {"a", "b", "c"}) AddPackage(n);
  const MainWindowView& v = Open().View();
  EXPECT_EQ(Panel(1), "0 из 3");
  EXPECT_FALSE(v.runSelectEnabled);
  EXPECT_TRUE(v.runAllEnabled);
  EXPECT_TRUE(v.invertSelEnabled);
  model->ToggleCheck(2);
  EXPECT_EQ(Panel(1), "1 из 3");
  EXPECT_EQ(Panel(2), "Нажмите F5 чтобы начать установку");
  EXPECT_TRUE(v.runSelectEnabled);
  EXPECT_TRUE(v.delSelectEnabled);
  model->ListInvertSel();
  EXPECT_EQ(Panel(1), "2 из 3");
  EXPECT_FALSE(model->Library().Rows()[1].checked);
  model->ListSelectAll();
  EXPECT_EQ(Panel(1), "3 из 3");
  model->ListUnSelect();
  EXPECT_EQ(Panel(1), "0 из 3");
  EXPECT_FALSE(v.runSelectEnabled);
}

TEST_F(MainWindowCommandsTest, ListCommandsAreOpenWhenRowsStartChecked) {
  AddPackage("a", kSetup, "", true);
  const MainWindowView& v = Open().View();
  EXPECT_TRUE(v.runSelectEnabled);
  EXPECT_TRUE(v.selectAllEnabled);
  EXPECT_TRUE(v.invertSelEnabled);
}

TEST_F(MainWindowCommandsTest, MovesTakeTheWholeRowAndItsHighlight) {
  AddPackage("a");
  AddPackage("b", "C:\\Nowhere\\x.exe");
  AddPackage("c");
  Open().ToggleCheck(2);
  model->MarkRow(2);
  EXPECT_TRUE(model->MoveUpLV());
  const auto& rows = model->Library().Rows();
  EXPECT_EQ(Texts(), (std::vector<std::string>{"b", "a", "c"}));
  EXPECT_TRUE(rows[0].checked);
  EXPECT_TRUE(rows[0].selected);
  EXPECT_EQ(Cell(0, 1), "Не найден");
  EXPECT_FALSE(rows[1].selected);
  EXPECT_EQ(model->View().markedRow, 1);
  EXPECT_FALSE(model->MoveUpLV());   // already first
  model->MarkRow(3);
  EXPECT_FALSE(model->MoveDownLV());   // already last
  model->MarkRow(0);
  EXPECT_FALSE(model->MoveDownLV());   // nothing highlighted
}

TEST_F(MainWindowCommandsTest, DeletingAsksFirstAndReportsWhatWasDeleted) {
  for (const char* n : {"a", "b", "c"}) AddPackage(n);
  Open().ToggleCheck(1);
  model->ToggleCheck(3);
  dialogs.answers = {kIdNo};
  model->DelSelect();
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text,
            "Вы действительно хотите удалить 2 пакетов?\r\nВосстановить эти файлы будет невозможно.");
  EXPECT_EQ(dialogs.shown[0].title, "Удалить выбранное?");
  EXPECT_EQ(dialogs.shown[0].style, 324u);
  EXPECT_EQ(Texts().size(), 3u);

  dialogs.answers = {kIdYes};
  model->DelSelect();
  EXPECT_EQ(Texts(), (std::vector<std::string>{"b"}));
  EXPECT_FALSE(fs.Exists(std::string(kFolder) + "\\a.vgp"));
  EXPECT_EQ(Panel(2), "Удачно удалено - 2 из 2");
  EXPECT_FALSE(model->View().runSelectEnabled);
}

TEST_F(MainWindowCommandsTest, FilesThatCannotBeDeletedStayAndAreCounted) {
  for (const char* n : {"a", "b"}) AddPackage(n);
  fs.SetReadOnly(std::string(kFolder) + "\\a.vgp", true);
  Open().ListSelectAll();
  dialogs.answers = {kIdYes};
  model->DelSelect();
  EXPECT_EQ(Texts(), (std::vector<std::string>{"a"}));
  EXPECT_EQ(Panel(2), "Удачно удалено - 1 из 2");
}

TEST_F(MainWindowCommandsTest, DeletingNeverFollowsANameOutOfTheFolder) {
  AddPackage("a");
  fs.AddFile("C:\\Other.VGP", "keep");
  Open();
  // A row text that is no file name of the folder (as a pending rename might leave one).
  model->Library().Rows()[0].text = "..\\Other";
  model->Library().Rows()[0].checked = true;
  dialogs.answers = {kIdYes};
  model->DelSelect();
  EXPECT_EQ(fs.Text("C:\\Other.VGP"), "keep");
  EXPECT_TRUE(fs.Exists(std::string(kFolder) + "\\a.vgp"));
  EXPECT_EQ(Panel(2), "Удачно удалено - 0 из 1");
}

TEST_F(MainWindowCommandsTest, RightClickOnACheckedRowOffersToUncheckIt) {
  for (const char* n : {"a", "b"}) AddPackage(n);
  Open().ToggleCheck(2);
  ContextMenuState menu = model->RightClick(2);
  EXPECT_FALSE(menu.selItem);
  EXPECT_TRUE(menu.unselectOne);
  EXPECT_TRUE(menu.delSelect);
  EXPECT_EQ(model->View().markedRow, 2);
  EXPECT_TRUE(model->Library().Rows()[1].selected);
  menu = model->RightClick(1);
  EXPECT_TRUE(menu.selItem);
  EXPECT_FALSE(menu.unselectOne);
  model->SetChecked(2, false);
  menu = model->RightClick(0);
  EXPECT_FALSE(menu.selItem);
  EXPECT_FALSE(menu.unselectOne);
  EXPECT_FALSE(menu.property);
  EXPECT_TRUE(menu.selectAll);
  EXPECT_FALSE(menu.unselectAll);   // nothing is checked
  EXPECT_FALSE(menu.delSelect);
}

TEST_F(MainWindowCommandsTest, CheckedRowsPlayInTheOrderOnScreen) {
  for (const char* n : {"a", "b", "c"}) AddPackage(n);
  Open().ToggleCheck(3);
  model->ToggleCheck(1);
  app.RecordMode = true;
  model->ProcRunVGP();
  EXPECT_FALSE(app.RecordMode);
  EXPECT_EQ(played.RunList, (std::vector<std::string>{"", "C:\\Packages\\a.VGP", "C:\\Packages\\c.VGP"}));
  EXPECT_EQ(played.CurrentPackagePath, "C:\\Packages\\a.VGP");
  EXPECT_EQ(calls, (std::vector<std::string>{"hide", "control"}));
  EXPECT_EQ(OrderFileText(), "\r\na\r\nb\r\nc\r\n");   // the order of the run is kept
}

TEST_F(MainWindowCommandsTest, InstallAllFollowsTheMovedOrderCheckedOrNot) {
  for (const char* n : {"a", "b", "c"}) AddPackage(n);
  Open().MarkRow(3);
  model->MoveUpLV();
  model->MoveUpLV();
  model->NewPackage();   // a cancelled new package leaves RecordMode set
  ASSERT_TRUE(app.RecordMode);
  model->RunAll();
  EXPECT_FALSE(app.RecordMode);
  EXPECT_EQ(played.RunList,
            (std::vector<std::string>{"", "C:\\Packages\\c.VGP", "C:\\Packages\\a.VGP", "C:\\Packages\\b.VGP"}));
}

TEST_F(MainWindowCommandsTest, NoRunWithoutRowsOrWithoutCheckedRows) {
  Open().ProcRunVGP();
  model->RunAll();
  AddPackage("a");
  model->RefreshList();
  model->ProcRunVGP();
  EXPECT_EQ(played.RunList, (std::vector<std::string>{""}));
  EXPECT_TRUE(calls.empty());
}

TEST_F(MainWindowCommandsTest, SpeedMenuShowsTheStoredSpeedAndStoresTheChoice) {
  settings.Set("Install", "Speed", "7");
  Open();
  EXPECT_EQ(model->View().speed, -1);
  EXPECT_EQ(settings.Get("Install", "Speed", ""), "7");
  model->SelectSpeed(1);
  EXPECT_EQ(model->View().speed, 1);
  EXPECT_EQ(settings.Get("Install", "Speed", ""), "1");
  EXPECT_FALSE(fs.Exists("C:\\Tools\\Rec\\velgaro.ini"));
  app.PortableMode = true;
  model->SelectSpeed(0);
  EXPECT_EQ(ini.Read("C:\\Tools\\Rec\\velgaro.ini", "General", "SpeedInstall", "", 128), "0");
}

}  // namespace
}  // namespace velgaro::test
