// Find and replace over the paths, the counters, and writing the new paths.
#include <gtest/gtest.h>

#include "EditorFixture.h"

namespace velgaro::test {
namespace {

using Strings = std::vector<std::string>;
using EditorReplaceTest = EditorFixture;
using EditorSaveTest = EditorFixture;

TEST_F(EditorReplaceTest, TheFirstOccurrenceIsReplacedWithoutRegardToCase) {
  AddPackage("a", "C:\\Program Files\\App\\setup.exe");
  AddPackage("b", "D:\\Программы\\setup.exe");
  Open();
  EXPECT_EQ(Replace("c:\\program files", "%PROGRAMFILES%"), 1);
  EXPECT_EQ(Column(3), (Strings{"%PROGRAMFILES%\\App\\setup.exe", ""}));
  EXPECT_TRUE(model->Rows()[0].bold);
  EXPECT_FALSE(model->Rows()[1].bold);
  EXPECT_EQ(model->Status(), "Результов последнего поиска - 1. Чтобы сохранить - нажмите кнопку Сохранить");
  EXPECT_FALSE(model->Saved());
  EXPECT_TRUE(model->SaveEnabled());

  EXPECT_EQ(Replace("ПРОГРАММЫ", "Soft"), 1);   // Cyrillic letters too
  EXPECT_EQ(Column(3)[1], "D:\\Soft\\setup.exe");
  EXPECT_EQ(model->Changed(), 2);
}

TEST_F(EditorReplaceTest, EachRunGoesOnFromTheProposedPath) {
  AddPackage("a", "C:\\q\\q.exe");
  Open();
  Replace("q", "y");
  EXPECT_EQ(Column(3)[0], "C:\\y\\q.exe");
  Replace("q", "y");
  EXPECT_EQ(Column(3)[0], "C:\\y\\y.exe");
  EXPECT_EQ(Replace("q", "y"), 0);
  EXPECT_EQ(model->Status(), "Результов последнего поиска - 0. Не было найденно ни одного совпадения.");
  EXPECT_EQ(Column(3)[0], "C:\\y\\y.exe");
  EXPECT_FALSE(model->Saved());   // the earlier change is still pending
}

TEST_F(EditorReplaceTest, BlankFindAndBlankReplaceAreQuestioned) {
  AddPackage("a", "C:\\Setup\\old\\a.exe");
  Open();
  calls.clear();
  EXPECT_EQ(Replace("  ", "x"), -1);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, "Введите строку для поиска");
  EXPECT_EQ(dialogs.shown[0].title, "Ошибка поиска");
  EXPECT_EQ(dialogs.shown[0].style, kMbIconExclamation);

  EXPECT_EQ(Replace("old\\", ""), -1);   // answered No
  EXPECT_EQ(dialogs.shown[1].style, kMbQuestionStyle);
  EXPECT_EQ(dialogs.shown[1].title, "Ошибка поиска");
  EXPECT_EQ(calls, (Strings{"focus find", "focus replace"}));
  EXPECT_EQ(Column(3)[0], "");

  dialogs.answers = {kIdYes};
  EXPECT_EQ(Replace("old\\", ""), 1);
  EXPECT_EQ(Column(3)[0], "C:\\Setup\\a.exe");
}

TEST_F(EditorReplaceTest, NoReplacementLeavesAPackageWithoutAPath) {
  AddPackage("a", "C:\\a.exe");
  AddPackage("b", "C:\\b\\a.exe");
  Open();
  dialogs.answers = {kIdYes};
  EXPECT_EQ(Replace("c:\\a.exe", ""), 0);
  EXPECT_EQ(Column(3), Strings(2));
  EXPECT_EQ(model->Changed(), 0);
  EXPECT_TRUE(model->Saved());
}

TEST_F(EditorReplaceTest, APackageWithoutAReadablePathEndsTheSearch) {
  AddPackage("a", "C:\\a.exe");
  fs.AddFile(PackageFile("b"), "not a package");
  AddPackage("c", "C:\\c.exe");
  Open();
  EXPECT_EQ(Column(2), (Strings{"C:\\a.exe", "", "C:\\c.exe"}));
  EXPECT_EQ(Replace("C:", "D:"), 1);
  EXPECT_EQ(Column(3), (Strings{"D:\\a.exe", "", ""}));
}

TEST_F(EditorReplaceTest, TicksCountTowardsSavingOnly) {
  AddPackage("a", "C:\\a.exe");
  AddPackage("b", "C:\\b.exe");
  Open();
  EXPECT_FALSE(model->ReplaceEnabled());
  model->SetFindText("C:");
  EXPECT_TRUE(model->ReplaceEnabled());
  Replace("C:", "D:");
  model->SetTicked(0, false);
  EXPECT_EQ(model->Changed(), 2);
  EXPECT_EQ(model->ToSave(), 1);
  model->SetTicked(1, false);
  EXPECT_FALSE(model->SaveEnabled());
}

TEST_F(EditorReplaceTest, AutoReplaceExpandsAndCollapsesTheStoredPathsOnly) {
  AddPackage("a", "%PROGRAMFILES%\\a.exe");
  Open();
  Replace("a.exe", "b.exe");
  model->SetAutoReplace(true);
  EXPECT_EQ(Column(2)[0], "C:\\Program Files\\a.exe");
  EXPECT_EQ(Column(3)[0], "%PROGRAMFILES%\\b.exe");
  model->SetAutoReplace(false);
  EXPECT_EQ(Column(2)[0], "%PROGRAMFILES%\\a.exe");
}

TEST_F(EditorSaveTest, TickedChangedPackagesAreWrittenAndTheListReloaded) {
  AddPackage("a", "C:\\Old\\a.exe");
  AddPackage("b", "C:\\Old\\b.exe");
  AddPackage("c", "C:\\Keep\\c.exe");
  Open();
  const std::string untickedBefore = fs.Text(PackageFile("b"));
  Replace("old", "New");
  model->SetTicked(1, false);
  const EditorSaveReport report = model->Save();
  EXPECT_EQ(report.counted, 1);
  EXPECT_EQ(report.saved, Strings{PackageFile("a")});
  EXPECT_TRUE(report.failed.empty());
  EXPECT_EQ(StoredPath("a"), "C:\\New\\a.exe");
  const std::optional<PackageImage> written = Stored("a");
  ASSERT_TRUE(written);
  EXPECT_EQ(written->ReadCommandLineRaw(), "/S");   // the rest of the package is kept
  EXPECT_EQ(written->ReadDescription(), "Пакет a");
  EXPECT_EQ(fs.Text(PackageFile("b")), untickedBefore);
  EXPECT_EQ(Column(2), (Strings{"C:\\New\\a.exe", "C:\\Old\\b.exe", "C:\\Keep\\c.exe"}));
  EXPECT_EQ(Column(3), Strings(3));
  EXPECT_EQ(model->Status(), "Сохранено изменений - 1");
  EXPECT_EQ(model->ToSave(), 0);
  EXPECT_TRUE(model->Saved());
}

TEST_F(EditorSaveTest, WithAutoReplaceTheNewPathIsStoredInVariableForm) {
  AddPackage("a", "D:\\Old\\a.exe");
  Open().SetAutoReplace(true);
  Replace("D:\\Old", "C:\\Setup");
  model->Save();
  EXPECT_EQ(StoredPath("a"), "%DRIVEAPP%\\Setup\\a.exe");
  EXPECT_EQ(Column(2)[0], "C:\\Setup\\a.exe");
}

TEST_F(EditorSaveTest, APackageThatCannotBeWrittenIsReportedAndKeepsItsChange) {
  for (const char* name : {"a", "b", "c"}) AddPackage(name, std::string("C:\\Old\\") + name + ".exe");
  fs.SetReadOnly(PackageFile("b"), true);
  const std::string before = fs.Text(PackageFile("b"));
  Open();
  Replace("Old", "New");
  const EditorSaveReport report = model->Save();   // the offer to save elsewhere is declined
  EXPECT_EQ(report.saved.size(), 2u);
  ASSERT_EQ(report.failed.size(), 1u);
  EXPECT_EQ(report.failed[0].name, "b");
  EXPECT_EQ(report.failed[0].reason, EditorSaveFailure::Reason::NotWritten);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_NE(dialogs.shown[0].text.find("'" + PackageFile("b") + "'."), std::string::npos);
  EXPECT_EQ(StoredPath("a"), "C:\\New\\a.exe");
  EXPECT_EQ(StoredPath("c"), "C:\\New\\c.exe");
  EXPECT_EQ(fs.Text(PackageFile("b")), before);
  EXPECT_EQ(Column(3), (Strings{"", "C:\\New\\b.exe", ""}));
  EXPECT_TRUE(model->Rows()[1].bold);
  EXPECT_EQ(model->ToSave(), 1);
  EXPECT_EQ(model->Status(), "Сохранено изменений - 2");
  EXPECT_FALSE(model->Saved());
}

TEST_F(EditorSaveTest, FailedWritesLeaveEveryFileAsItWas) {
  for (const char* name : {"a", "b"}) AddPackage(name, std::string("C:\\Old\\") + name + ".exe");
  const std::string a = fs.Text(PackageFile("a")), b = fs.Text(PackageFile("b"));
  Open();
  Replace("Old", "New");
  fs.SetFailWrites(true);
  EXPECT_EQ(model->Save().failed.size(), 2u);
  EXPECT_EQ(fs.Text(PackageFile("a")), a);
  EXPECT_EQ(fs.Text(PackageFile("b")), b);
  EXPECT_EQ(model->Changed(), 2);
}

TEST_F(EditorSaveTest, PackagesThatVanishedOrBrokeMeanwhileAreNotWritten) {
  for (const char* name : {"a", "b"}) AddPackage(name, std::string("C:\\Old\\") + name + ".exe");
  Open();
  Replace("Old", "New");
  ASSERT_TRUE(fs.Remove(PackageFile("a")));
  fs.AddFile(PackageFile("b"), "broken");
  const EditorSaveReport report = model->Save();
  EXPECT_EQ(report.counted, 1);   // a is skipped
  ASSERT_EQ(report.failed.size(), 1u);
  EXPECT_EQ(report.failed[0].reason, EditorSaveFailure::Reason::Damaged);
  EXPECT_FALSE(fs.Exists(PackageFile("a")));
  EXPECT_EQ(fs.Text(PackageFile("b")), "broken");
}

}  // namespace
}  // namespace velgaro::test
