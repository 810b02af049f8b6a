// The scan of the package folder and the summary of each row.
#include <gtest/gtest.h>

#include <algorithm>

#include "LibraryFixture.h"
#include "platform/TextFold.h"

namespace velgaro::test {
namespace {

using LibraryScanTest = LibraryFixture;

TEST_F(LibraryScanTest, RowsShowPresenceDescriptionAndExpandedPath) {
  fs.AddFile("C:\\Program Files\\App\\setup.exe", "MZ");
  AddPackage("beta", "%PROGRAMFILES%\\App\\setup.exe", "Второй пакет", true);
  AddPackage("alpha", kSetup, "Первый пакет");
  AddPackage("gone", "C:\\Nowhere\\setup.exe", "Без программы", true);
  Open();
  const auto& rows = model->Library().Rows();
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].text, "alpha");   // alphabetical without a saved order
  EXPECT_EQ(Cell(0, 1), "Ok");
  EXPECT_EQ(Cell(0, 2), "Первый пакет");
  EXPECT_EQ(rows[0].path, kSetup);
  EXPECT_FALSE(rows[0].checked);
  EXPECT_EQ(rows[1].path, "C:\\Program Files\\App\\setup.exe");
  EXPECT_TRUE(rows[1].checked);   // DefSelect
  EXPECT_EQ(Cell(2, 1), "Не найден");
  EXPECT_EQ(Cell(2, 2), "Не найден исполняемый файл");
  EXPECT_EQ(rows[2].path, "C:\\Nowhere\\setup.exe");
  EXPECT_FALSE(rows[2].checked);   // a missing installer keeps the box as it was
  EXPECT_EQ(model->RowTip(3), "Не найден исполняемый файл");
  EXPECT_EQ(model->RowTip(1), "");
  EXPECT_EQ(Panel(1), "1 из 3");
  EXPECT_EQ(Panel(2), "Нажмите F5 чтобы начать установку");
}

TEST_F(LibraryScanTest, ABigFolderIsInTheOrderOfAFileList) {
  // More names than one part of the sort: the parts are merged into one order.
  std::vector<std::string> expected;
  for (int i = 0; i < 10000; ++i) {
    std::string name = (i % 3 ? "Pkg" : "pkg") + std::to_string((i * 7919) % 10007);
    if (i % 5 == 0) name = "Пакет " + name;
    fs.AddFile(std::string(kFolder) + "\\" + name + ".vgp", "x");
    expected.push_back(name);
  }
  std::sort(expected.begin(), expected.end(), [](const std::string& a, const std::string& b) {
    return FoldCase(a) != FoldCase(b) ? FoldCase(a) < FoldCase(b) : a < b;
  });
  Open();
  EXPECT_EQ(Texts(), expected);
}

TEST_F(LibraryScanTest, PackageOfNoProgramIsPresent) {
  AddPackage("noexe", "-");
  Open();
  EXPECT_EQ(Cell(0, 1), "Ok");
}

TEST_F(LibraryScanTest, ProgressShowsEveryRowAndEnds) {
  for (const char* n : {"a", "b", "c"}) AddPackage(n);
  Open();
  EXPECT_EQ(progress.calls, (std::vector<std::string>{"begin 3", "end"}));
  EXPECT_EQ(progress.steps, (std::vector<std::string>{"Загрузка 1 из 3", "Загрузка 2 из 3", "Загрузка 3 из 3"}));
}

TEST_F(LibraryScanTest, OnlyOrdinaryPackageFilesAreRows) {
  AddPackage("shown");
  AddPackage("hidden");
  fs.SetHidden(std::string(kFolder) + "\\hidden.vgp", true);
  fs.AddFolder(std::string(kFolder) + "\\folder.vgp");
  fs.AddFile(std::string(kFolder) + "\\notes.txt", "x");
  Open();
  EXPECT_EQ(Texts(), (std::vector<std::string>{"shown"}));
}

TEST_F(LibraryScanTest, DamagedPackagesAreNamedAndNotRead) {
  AddPackage("sound");
  fs.AddFile(std::string(kFolder) + "\\short.vgp", "not a package");
  Bytes huge(300, 0);
  huge[24] = 0xFF;   // an installer path length far outside the file
  fs.AddFile(std::string(kFolder) + "\\lying.vgp", huge);
  Open();
  const auto& rows = model->Library().Rows();
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].text, "lying");
  EXPECT_EQ(Cell(0, 2), "Повреждённый vgp-файл - lying.vgp");
  EXPECT_EQ(Cell(0, 1), "");
  EXPECT_EQ(Cell(1, 2), "Повреждённый vgp-файл - short.vgp");
  EXPECT_EQ(Cell(2, 1), "Ok");
}

TEST_F(LibraryScanTest, APackageGoneBeforeItsSummaryIsRead) {
  AddPackage("a");
  AddPackage("b");
  model = std::make_unique<MainWindowModel>(app, shell, hooks);
  model->Library().SetFolder(kFolder);
  ASSERT_TRUE(model->Library().LoadListView());
  fs.Remove(std::string(kFolder) + "\\a.vgp");
  model->Library().LoadTipTextLV(nullptr);
  EXPECT_EQ(Cell(0, 2), "Файл не найден");
  EXPECT_FALSE(model->Library().IsEqualList());
}

TEST_F(LibraryScanTest, AStoredFolderThatVanishedLeavesNoFolder) {
  settings.Set("Path", "FolderVGP", "C:\\Vanished");
  settings.Set("Install", "Registry", "1");
  Model().Load();
  EXPECT_EQ(model->Library().Folder(), "");
  EXPECT_EQ(model->View().folderText, "Выберите папку");
  EXPECT_EQ(Panel(2), "Ошибка: Выберите существующий каталог");
  EXPECT_EQ(Panel(1), "");
  EXPECT_TRUE(model->View().newInstallEnabled);   // the setting is not empty
  model->NewPackage();
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text,
            "Дальнейшая работа не возможна.\r\nВыберите пожалуйста папку для сохранения файлов VGP.");
  EXPECT_EQ(dialogs.shown[0].title, "Внимание");
  EXPECT_EQ(dialogs.shown[0].style, kMbIconExclamation);
  EXPECT_FALSE(app.RecordMode);
}

TEST_F(LibraryScanTest, AnUnreadableFolderIsReportedLikeAMissingOne) {
  AddPackage("a");
  fs.SetUnlistable(kFolder, true);
  Open();
  EXPECT_TRUE(model->Library().Rows().empty());
  EXPECT_EQ(Panel(2), "Ошибка: Выберите существующий каталог");
}

TEST_F(LibraryScanTest, IsEqualListFollowsTheFolder) {
  AddPackage("a");
  Open();
  EXPECT_TRUE(model->Library().IsEqualList());
  AddPackage("b");
  EXPECT_FALSE(model->Library().IsEqualList());
  model->RefreshList();
  EXPECT_EQ(Texts(), (std::vector<std::string>{"a", "b"}));
  EXPECT_TRUE(model->Library().IsEqualList());
}

// Messages are processed while the summaries are read: a click arriving then must not change the rows
// under the read.
struct ReenteringProgress : LibraryProgress {
  void Begin(int) override {}
  void Step(int, int, const std::string&) override {
    if (!model) return;
    model->Reload();
    model->ListSelectAll();
    model->MarkRow(2);
    model->MoveUpLV();
    model->DelSelect();
    model->RunAll();
    model->FolderTyped("C:\\Elsewhere");
  }
  void End() override {}
  MainWindowModel* model = nullptr;
};

TEST_F(LibraryScanTest, CommandsArrivingDuringTheReadAreRefused) {
  for (const char* n : {"a", "b", "c"}) AddPackage(n);
  fs.AddFolder("C:\\Elsewhere");
  ReenteringProgress reentering;
  hooks.progress = &reentering;
  reentering.model = &Model();
  Open();
  EXPECT_EQ(Texts(), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(model->Library().CheckedCount(), 0);
  EXPECT_EQ(model->Library().Folder(), kFolder);
  EXPECT_TRUE(calls.empty());
  EXPECT_FALSE(model->Busy());
  model->ListSelectAll();   // afterwards commands work again
  EXPECT_EQ(model->Library().CheckedCount(), 3);
}

}  // namespace
}  // namespace velgaro::test
