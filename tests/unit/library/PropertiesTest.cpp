// The properties of a package: the dialog filled from the file, OK writing it back and renaming it, the
// row refreshed, and a new name that another package already has.
#include <optional>

#include "LibraryFixture.h"

namespace velgaro::test {
namespace {

class PropertiesTest : public LibraryFixture {
 protected:
  PropertiesTest() {
    AddAlphaAndBeta();
    hooks.openProperties = [this](const std::string& row) { return RunDialog(row); };
  }

  // What the view does: the dialog opened on the row, the test's edits, then OK.
  std::string RunDialog(const std::string& row) {
    OpenProperties(Texts(), row);
    opened = form->State();
    if (edit) edit(*form);
    lastOk = properties->Ok();
    return lastOk.close ? properties->NewName() : std::string();
  }

  Bytes File(const std::string& name) const { return fs.ReadAll(std::string(kFolder) + "\\" + name + ".VGP").value_or(Bytes{}); }
  PackageImage Read(const std::string& name) {
    std::optional<PackageImage> pkg = ReadTestPackage(fs, codepage, std::string(kFolder) + "\\" + name + ".VGP");
    EXPECT_TRUE(pkg) << name;
    return pkg ? *pkg : PackageImage(PackageTextContext{codepage, {}});
  }

  std::function<void(NewPackageForm&)> edit;
  NewPackageState opened;
  PropertiesOkResult lastOk;
};

TEST_F(PropertiesTest, TheDialogShowsThePackageAsStored) {
  Open().MarkRow(1);
  model->ShowProperty();
  EXPECT_EQ(opened.caption, "Свойства");
  EXPECT_EQ(opened.path, kSetup);
  EXPECT_EQ(opened.name, "Alpha");
  EXPECT_EQ(opened.description, "первый");
  EXPECT_EQ(opened.createDate.rfind("Дата создания: ", 0), 0u);
  EXPECT_GT(opened.createDate.size(), std::string("Дата создания: ").size());
  EXPECT_TRUE(opened.needWait);
  EXPECT_TRUE(opened.changed);   // filling the boxes counts: OK always writes
  EXPECT_TRUE(model->PropertiesMode());
}

TEST_F(PropertiesTest, ChangingTheDescriptionRewritesTheFileAndRefreshesOnlyItsRow) {
  Open().MarkRow(2);
  const Bytes actionsBefore = File("Beta");
  model->Library().Rows()[0].path = "stale";   // shows whether other rows are read again
  edit = [](NewPackageForm& f) { f.SetDescription("новое описание"); };
  model->ShowProperty();
  EXPECT_TRUE(lastOk.close);
  EXPECT_EQ(Read("Beta").ReadDescription(), "новое описание");
  EXPECT_EQ(Read("Beta").ReadExePath(), kSetup);
  EXPECT_EQ(Cell(1, 2), "новое описание");
  EXPECT_EQ(model->Library().Rows()[0].path, "stale");
  EXPECT_NE(File("Beta"), actionsBefore);
}

TEST_F(PropertiesTest, ANewNameMovesTheFileAndTheRowTakesIt) {
  Open().MarkRow(1);
  edit = [](NewPackageForm& f) { f.SetName("Gamma"); };
  model->ShowProperty();
  EXPECT_FALSE(fs.Exists(std::string(kFolder) + "\\Alpha.VGP"));
  EXPECT_EQ(Read("Gamma").ReadDescription(), "первый");
  EXPECT_EQ(Texts(), (std::vector<std::string>{"Gamma", "Beta"}));
}

TEST_F(PropertiesTest, TheNameOfAnotherPackageIsRefusedAndBothFilesStay) {
  Open().MarkRow(1);
  const Bytes alpha = File("Alpha"), beta = File("Beta");
  edit = [](NewPackageForm& f) { f.SetName("beta"); };
  model->ShowProperty();
  EXPECT_FALSE(lastOk.close);
  EXPECT_EQ(lastOk.focus, NewPackageFocus::NameBoxSelected);
  ASSERT_FALSE(dialogs.shown.empty());
  EXPECT_NE(dialogs.shown.back().text.find("'beta'"), std::string::npos);
  EXPECT_EQ(File("Alpha"), alpha);
  EXPECT_EQ(File("Beta"), beta);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"Alpha", "Beta"}));
}

TEST_F(PropertiesTest, OnlyTheLetterCaseOfItsOwnNameMayChange) {
  Open().MarkRow(1);
  edit = [](NewPackageForm& f) { f.SetName("ALPHA"); };
  model->ShowProperty();
  EXPECT_TRUE(lastOk.close);
  EXPECT_EQ(Texts().front(), "ALPHA");
  EXPECT_EQ(Read("ALPHA").ReadDescription(), "первый");
}

TEST_F(PropertiesTest, AMissingInstallerIsKeptOnlyAfterYes) {
  Open().MarkRow(1);
  edit = [](NewPackageForm& f) { f.SetPath("D:\\Later\\setup.exe"); };
  dialogs.answers = {kIdNo};
  model->ShowProperty();
  EXPECT_FALSE(lastOk.close);
  EXPECT_EQ(lastOk.focus, NewPackageFocus::PathBox);
  EXPECT_EQ(dialogs.shown.back().title, "Сохранить путь к файлу?");
  EXPECT_EQ(dialogs.shown.back().style, kMbQuestionStyle);
  EXPECT_EQ(Read("Alpha").ReadExePath(), kSetup);

  dialogs.answers = {kIdYes};
  model->ShowProperty();
  EXPECT_TRUE(lastOk.close);
  EXPECT_EQ(Read("Alpha").ReadExePath(), "D:\\Later\\setup.exe");
  EXPECT_EQ(Cell(0, 1), "Не найден");
}

TEST_F(PropertiesTest, APackageWithoutInstallerKeepsItsDashAndTheBoxDisabled) {
  AddPackage("Tweak", "-");
  Open();
  model->MarkRow(3);
  model->ShowProperty();
  EXPECT_FALSE(opened.fileName);
  EXPECT_FALSE(opened.pathEnabled);
  EXPECT_EQ(opened.path, "-");
  EXPECT_TRUE(lastOk.close);
  EXPECT_EQ(Read("Tweak").ReadExePath(), "-");
}

TEST_F(PropertiesTest, ParametersAndOptionsAreStoredInVariableForm) {
  Open().MarkRow(1);
  edit = [](NewPackageForm& f) {
    f.SetCommandLine("  /D=C:\\Program Files\\App  ");
    f.SetLocalSpeed(2);
    f.SetDefSelect(true);
    f.SetNeedReboot(true);
    f.SetCreateReboot(true);
  };
  model->ShowProperty();
  PackageImage pkg = Read("Alpha");
  EXPECT_EQ(pkg.ReadCommandLineRaw(), "/D=%PROGRAMFILES%\\App");
  EXPECT_EQ(pkg.options.localSpeed, 2);
  EXPECT_TRUE(pkg.options.defSelect);
  EXPECT_TRUE(pkg.options.createReboot);
}

TEST_F(PropertiesTest, ASpeedIndexPastTheListLeavesItsFirstEntry) {
  TestPackageSpec alpha;
  alpha.installer = kSetup;
  alpha.description = "первый";
  alpha.options.localSpeed = 5;
  AddPackage("Alpha", alpha);
  Open().MarkRow(1);
  model->ShowProperty();
  EXPECT_EQ(opened.localSpeed, 0);
}

TEST_F(PropertiesTest, AVanishedPackageIsReportedAndNoDialogOpens) {
  Open().MarkRow(2);
  fs.Remove(std::string(kFolder) + "\\Beta.vgp");
  model->ShowProperty();
  EXPECT_EQ(form, nullptr);
  EXPECT_EQ(dialogs.shown.back().text, "Файл не найден");
  EXPECT_EQ(dialogs.shown.back().style, kMbIconStop);
}

TEST_F(PropertiesTest, WithNoMarkedRowTheFirstRowIsTakenAndAnEmptyListDoesNothing) {
  Open();
  model->MarkRow(0);
  model->ShowProperty();
  EXPECT_EQ(opened.name, "Alpha");
  fs.Remove(std::string(kFolder) + "\\Alpha.vgp");
  fs.Remove(std::string(kFolder) + "\\Beta.vgp");
  model->RefreshList();
  properties.reset();
  form.reset();
  model->ShowProperty();
  EXPECT_EQ(form, nullptr);
}

TEST_F(PropertiesTest, AFailedRenameAndWriteAreReportedAndTheListIsReadAgain) {
  Open().MarkRow(1);
  const Bytes alpha = File("Alpha");
  edit = [this](NewPackageForm& f) {
    f.SetName("Gamma");
    fs.SetFailWrites(true);   // a locked folder: neither the rename nor the write goes through
  };
  model->ShowProperty();
  fs.SetFailWrites(false);
  ASSERT_GE(dialogs.shown.size(), 2u);
  EXPECT_EQ(dialogs.shown[0].title, "Переименование невозможно");
  EXPECT_NE(dialogs.shown[0].text.find("Alpha.VGP"), std::string::npos);
  EXPECT_TRUE(dialogs.shown[1].style & kMbYesNo);   // the write offers another place; declined here
  EXPECT_EQ(File("Alpha"), alpha);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"Alpha", "Beta"}));   // the folder read again
}

}  // namespace
}  // namespace velgaro::test
