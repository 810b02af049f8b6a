#include <gtest/gtest.h>

#include "unit/wizard/WizardFixture.h"

namespace velgaro::test {
namespace {

class PackageList : public WizardFixture {
 protected:
  // A program folder holding one file of size bytes.
  void AddProgram(const std::string& folder, std::size_t bytes) {
    fs.AddFile(folder + "\\setup.exe", std::string(bytes, 'x'));
  }
  const WizardState& S() const { return model->State(); }
  // The page holds the user with tip in red and Next disabled.
  void ExpectHeld(const std::string& tip) const {
    EXPECT_EQ(S().tipStatus.text, tip);
    EXPECT_EQ(S().tipStatus.color, WizardColor::Red);
    EXPECT_FALSE(S().nextEnabled);
  }
};

TEST_F(PackageList, RowsShowTheInstallerAndItsFolder) {
  AddProgram("C:\\Program Files\\Editor", 10);
  AddPackage("Editor", "%PROGRAMFILES%\\Editor\\setup.exe");
  AddPackage("Gone", "C:\\Gone\\setup.exe");
  AddPackage("nothing", "-");
  AddProgram("C:\\Tools", 1);
  AddPackage("Loose", "C:\\Tools\\other.exe");   // the installer is missing, its folder is there
  fs.AddFile(std::string(kPackages) + "\\Broken.vgp", "not a package");
  fs.AddFile(std::string(kPackages) + "\\notes.txt", "x");
  OpenList();
  EXPECT_EQ(Column(&WizardRow::name), (std::vector<std::string>{"Broken", "Editor", "Gone", "Loose", "nothing"}));
  EXPECT_EQ(Column(&WizardRow::installerMark), (std::vector<std::string>{"-", "+", "-", "-", "+"}));
  EXPECT_EQ(Column(&WizardRow::installer),
            (std::vector<std::string>{"", "%PROGRAMFILES%\\Editor\\setup.exe", "C:\\Gone\\setup.exe",
                                      "C:\\Tools\\other.exe", "-"}));
  EXPECT_EQ(Column(&WizardRow::folder),
            (std::vector<std::string>{"", "C:\\Program Files\\Editor", "C:\\Gone", "C:\\Tools", ""}));
  EXPECT_EQ(Column(&WizardRow::folderMark), (std::vector<std::string>{"-", "+", "-", "+", "-"}));
  for (const WizardRow& row : model->Rows()) EXPECT_TRUE(row.ticked);
  EXPECT_EQ(model->Items().size(), 5u);
  EXPECT_EQ(progress.front(), "show");
  EXPECT_EQ(progress[5], "5/5");
  EXPECT_EQ(progress.back(), "hide");
}

TEST_F(PackageList, FolderPathXmlReplacesTheFoldersOfTheRowsItNames) {
  AddProgram("C:\\A", 1);
  AddProgram("E:\\Kept\\B", 1);
  AddPackage("A", "C:\\A\\setup.exe");
  AddPackage("B", "C:\\B\\setup.exe");
  AddPackage("C", "C:\\A\\setup.exe");
  fs.AddFile(sys.exeFolder + "\\FolderPath.xml",
             "<?xml version=\"1.0\"?><list><vgp><name>B</name><path>E:\\Kept\\B</path></vgp>"
             "<vgp><name>c</name><path>E:\\Other</path></vgp>"   // names compare exactly
             "<vgp><name>B</name><path>E:\\Second</path></vgp></list>");
  OpenList();
  EXPECT_EQ(Column(&WizardRow::folder), (std::vector<std::string>{"C:\\A", "E:\\Kept\\B", "C:\\A"}));
  EXPECT_EQ(Column(&WizardRow::folderMark), (std::vector<std::string>{"+", "+", "+"}));
  EXPECT_EQ(model->SavedFolders().size(), 3u);
}

TEST_F(PackageList, ADamagedFolderPathXmlChangesNothing) {
  AddProgram("C:\\A", 1);
  AddPackage("A", "C:\\A\\setup.exe");
  fs.AddFile(sys.exeFolder + "\\FolderPath.xml", "<list><vgp><name>A</name><path>E:\\X</path></vgp>");
  OpenList();
  EXPECT_EQ(Column(&WizardRow::folder), (std::vector<std::string>{"C:\\A"}));
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(PackageList, SavingWritesEveryRowAndKeepsTheUsableTickedOnes) {
  AddProgram("C:\\A", 1);
  AddProgram("C:\\B", 1);
  AddPackage("A", "C:\\A\\setup.exe");
  AddPackage("B", "C:\\B\\setup.exe");
  AddPackage("Gone", "C:\\Gone\\setup.exe");
  OpenList();
  model->SetTicked(1, false);
  EXPECT_TRUE(model->SaveItemListForWizard());
  EXPECT_EQ(FolderPathXml(),
            "<?xml version=\"1.0\"?><list><vgp><name>A</name><path>C:\\A</path></vgp>"
            "<vgp><name>B</name><path>C:\\B</path></vgp><vgp><name>Gone</name><path>C:\\Gone</path></vgp></list>");
  EXPECT_EQ(model->SavedFolders(), (std::vector<SavedFolder>{{"A", "C:\\A"}}));
}

TEST_F(PackageList, EditingARowsFolderMarksIt) {
  AddProgram("C:\\A", 1);
  AddPackage("A", "%PROGRAMFILES%\\A\\setup.exe");
  OpenList();
  dialogs.folderAnswers = {"C:\\A"};
  model->EditItemFolder(0);
  EXPECT_EQ(dialogs.shown.back().text, "Укажите папку с программой");
  EXPECT_EQ(dialogs.shown.back().title, "C:\\Program Files\\A");
  EXPECT_EQ(model->Rows()[0].folder, "C:\\A");
  EXPECT_EQ(model->Rows()[0].folderMark, "+");
  dialogs.folderAnswers = {"C:\\Nowhere"};
  model->EditItemFolder(0);
  EXPECT_EQ(model->Rows()[0].folderMark, "-");
  model->EditItemFolder(5);   // no such row: nothing happens
}

TEST_F(PackageList, MeasuringCountsEachFolderOnceAndGivesTheVerdict) {
  AddProgram("C:\\Prog", 100);
  AddProgram("C:\\Program Files\\X", 40);   // inside "C:\Prog" by text
  AddProgram("C:\\Same", 7);
  AddPackage("A", "C:\\Prog\\setup.exe");
  AddPackage("B", "C:\\Program Files\\X\\setup.exe");
  AddPackage("C", "C:\\Same\\setup.exe");
  AddPackage("D", "C:\\Same\\setup.exe");
  AddPackage("E", "C:\\Missing\\setup.exe");
  OpenList();
  model->Compute();
  EXPECT_TRUE(model->Computed());
  EXPECT_EQ(model->Items()[1].nested, true);
  EXPECT_EQ(model->Items()[2].nested, false);
  EXPECT_EQ(model->Items()[3].nested, true);
  EXPECT_EQ(model->Items()[1].size, 40u);   // measured all the same
  EXPECT_EQ(Column(&WizardRow::sizeText),
            (std::vector<std::string>{"100 bytes", "40 bytes", "7 bytes", "7 bytes", "0 bytes"}));
  EXPECT_EQ(S().totalSize.text, "107 bytes");
  EXPECT_EQ(S().totalFree.text, "976 KB");
  EXPECT_EQ(model->FreeSpace(), 1000000u);
  EXPECT_TRUE(S().nextEnabled);
  EXPECT_EQ(S().focus, WizardFocus::Next);
  EXPECT_TRUE(S().measuring.empty());
  EXPECT_TRUE(S().computeEnabled);
  // The report of the pairs comes first, then the verdict.
  const std::string& status = S().tipStatus.text;
  EXPECT_NE(status.find("Внимание: обнаружена вложенность папок C:\\Program Files\\X\r\nC:\\Prog\r\n"),
            std::string::npos);
  EXPECT_NE(status.find("Внимание: обнаружены одинаковые каталоги  C:\\Same\r\nПроверьте правильность пути к "
                        "каталогам программ: D\r\nC\r\n"),
            std::string::npos);
  EXPECT_NE(status.find("Проверьте правильность пути к каталогам программ: C\r\nD\r\n"), std::string::npos);
  const std::string verdict = "\r\nНажмите Далее чтобы приступить к копированию";
  ASSERT_GT(status.size(), verdict.size());
  EXPECT_EQ(status.substr(status.size() - verdict.size()), verdict);
  EXPECT_EQ(S().tipStatus.color, WizardColor::Normal);
}

TEST_F(PackageList, UntickingTheOuterFolderCountsTheInnerOneAgain) {
  AddProgram("C:\\Prog", 100);
  AddProgram("C:\\Program Files\\X", 40);
  AddPackage("A", "C:\\Prog\\setup.exe");
  AddPackage("B", "C:\\Program Files\\X\\setup.exe");
  OpenList();
  model->Compute();
  EXPECT_EQ(S().totalSize.text, "100 bytes");
  model->SetTicked(0, false);
  EXPECT_FALSE(model->Items()[1].nested);
  EXPECT_EQ(S().totalSize.text, "40 bytes");
  EXPECT_EQ(S().tipStatus.text, "Нажмите далее чтобы приступить к копированию");
  EXPECT_TRUE(S().nextEnabled);
  model->ClearAll();
  EXPECT_EQ(S().totalSize.text, "0 bytes");
  EXPECT_EQ(S().totalSize.color, WizardColor::Red);
  ExpectHeld("Для продолжения необходимо указать хотя бы одну непустую папку");
  model->SelectAll();
  EXPECT_EQ(S().totalSize.text, "100 bytes");
  EXPECT_TRUE(S().nextEnabled);
}

TEST_F(PackageList, NotEnoughSpaceAndNothingToCopyStopTheUser) {
  AddProgram("C:\\Big", 10);
  AddPackage("A", "C:\\Big\\setup.exe");
  fs.SetFileSize("C:\\Big\\setup.exe", 2000000);
  OpenList();
  model->Compute();
  EXPECT_EQ(S().totalSize.text, "1.90 MB");
  EXPECT_EQ(S().totalFree.color, WizardColor::Red);
  ExpectHeld("Недостаточно места на диске");

  fs.SetFreeBytes("D:\\", 2000000);   // exactly enough is enough
  model->Compute();
  EXPECT_TRUE(S().nextEnabled);
  EXPECT_EQ(S().totalFree.color, WizardColor::Normal);

  model->SetTicked(0, false);
  model->Compute();
  EXPECT_EQ(S().tipStatus.text, "Для продолжения необходимо указать хотя бы одну папку");
  EXPECT_EQ(S().totalSize.color, WizardColor::Red);
  EXPECT_FALSE(S().nextEnabled);
}

TEST_F(PackageList, SelectAllBeforeMeasuringAsksForTheMeasurement) {
  AddProgram("C:\\A", 1);
  AddPackage("A", "C:\\A\\setup.exe");
  OpenList();
  model->SetTicked(0, false);   // not measured yet: only noted
  EXPECT_TRUE(S().tipStatus.text.empty());
  model->SelectAll();
  ExpectHeld("Двойным щелчком укажите папки для копирования, и нажмите кнопку Вычислить размер");
}

TEST_F(PackageList, MeasuringLetsTheWindowLiveBetweenLevels) {
  fs.AddFile("C:\\A\\setup.exe", "x");
  fs.AddFile("C:\\A\\sub\\deep\\f", "y");
  AddPackage("A", "C:\\A\\setup.exe");
  OpenList();
  model->Compute();
  EXPECT_EQ(pump.runs, 2);
  EXPECT_EQ(model->Items()[0].size, 2u);
}

TEST_F(PackageList, NestingKeepsTheFirstTickedOfEqualFolders) {
  AddProgram("C:\\Same", 5);
  AddPackage("A", "C:\\Same\\setup.exe");
  AddPackage("B", "C:\\Same\\setup.exe");
  AddPackage("C", "C:\\Same\\setup.exe");
  OpenList();
  model->SetTicked(0, false);
  model->Compute();
  EXPECT_EQ(model->Items()[0].nested, true);    // B, ticked, takes the folder
  EXPECT_EQ(model->Items()[1].nested, false);
  EXPECT_EQ(model->Items()[2].nested, true);
  EXPECT_EQ(S().totalSize.text, "5 bytes");
}

TEST_F(PackageList, TheReportNamesNestedPairsWithoutRegardToCase) {
  AddProgram("C:\\Apps", 1);
  AddProgram("C:\\APPS\\Sub", 1);
  AddPackage("Outer", "C:\\Apps\\setup.exe");
  AddPackage("Inner", "C:\\APPS\\Sub\\setup.exe");
  OpenList();
  EXPECT_TRUE(model->VerivyFolderForRecursive());
  EXPECT_EQ(S().tipStatus.text,
            "Внимание: обнаружена вложенность папок C:\\APPS\\Sub\r\nC:\\Apps\r\n"
            "Укажите правильно каталоги для программ: Inner\r\nOuter\r\n");
  model->SetTicked(0, false);
  EXPECT_FALSE(model->VerivyFolderForRecursive());
  EXPECT_TRUE(S().tipStatus.text.empty());
}

}  // namespace
}  // namespace velgaro::test
