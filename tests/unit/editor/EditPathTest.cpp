// A row's path edited by hand (frmEditPath): what the dialog starts from, browsing for the installer,
// and what OK changes in the rows, the counters and the saved packages.
#include <gtest/gtest.h>

#include "EditorFixture.h"
#include "library/NewPackageForm.h"

namespace velgaro::test {
namespace {

using Strings = std::vector<std::string>;

class EditPathTest : public EditorFixture {
 protected:
  EditPathTest() {
    AddPackage("a", "C:\\Old\\a.exe");
    AddPackage("b", "C:\\Old\\b.exe");
    Open();
  }
  std::string Setting(const std::string& key) const { return settings.Get("Path", key, "<none>"); }
};

TEST_F(EditPathTest, TheDialogStartsFromTheProposedPathOrElseTheStoredOne) {
  Replace("Old", "New");
  ASSERT_TRUE(model->SetNewPath(1, "D:\\b.exe"));
  ASSERT_TRUE(model->EditPath(0).has_value());
  EXPECT_EQ(model->EditPath(0)->Path(), "C:\\New\\a.exe");
  EXPECT_EQ(model->EditPath(1)->Path(), "D:\\b.exe");
  EXPECT_FALSE(model->EditPath(2).has_value());

  OpenWithoutSetting();   // the same folder, nothing proposed
  EXPECT_EQ(model->EditPath(1)->Path(), "C:\\Old\\b.exe");
}

TEST_F(EditPathTest, OkSetsTheRowsNewPathAndCountsIt) {
  std::optional<EditPathForm> form = model->EditPath(1);
  form->SetPath("E:\\Soft\\b\\setup.exe");
  ASSERT_TRUE(form->Ok().has_value());
  EXPECT_TRUE(model->SetNewPath(1, *form->Ok()));
  EXPECT_EQ(Column(3), (Strings{"", "E:\\Soft\\b\\setup.exe"}));
  EXPECT_TRUE(model->Rows()[1].bold);
  EXPECT_FALSE(model->Rows()[0].bold);
  EXPECT_EQ(model->Changed(), 1);
  EXPECT_EQ(model->ToSave(), 1);
  EXPECT_TRUE(model->SaveEnabled());
  EXPECT_FALSE(model->Saved());

  // A replacement goes on from the path set by hand.
  EXPECT_EQ(Replace("soft", "Tools"), 1);
  EXPECT_EQ(Column(3)[1], "E:\\Tools\\b\\setup.exe");

  model->SetTicked(1, false);
  EXPECT_TRUE(model->SetNewPath(1, "E:\\b.exe"));
  EXPECT_EQ(model->Changed(), 1);
  EXPECT_EQ(model->ToSave(), 0);   // the tick is the user's, an edit does not put it back
}

TEST_F(EditPathTest, ABlankPathChangesNothing) {
  Replace("Old", "New");
  std::optional<EditPathForm> form = model->EditPath(0);
  form->SetPath("   ");
  EXPECT_FALSE(form->Ok().has_value());
  EXPECT_FALSE(model->SetNewPath(0, "   "));
  EXPECT_FALSE(model->SetNewPath(0, ""));
  EXPECT_FALSE(model->SetNewPath(5, "C:\\x.exe"));
  EXPECT_EQ(Column(3), (Strings{"C:\\New\\a.exe", "C:\\New\\b.exe"}));
  EXPECT_EQ(model->Changed(), 2);
}

TEST_F(EditPathTest, TheStoredPathIsNoChange) {
  EXPECT_TRUE(model->SetNewPath(0, "C:\\Old\\a.exe"));   // OK without an edit
  EXPECT_EQ(model->Changed(), 0);
  EXPECT_TRUE(model->Saved());
  EXPECT_FALSE(model->Rows()[0].bold);

  model->SetNewPath(0, "C:\\x.exe");
  model->SetNewPath(0, "C:\\Old\\a.exe");   // edited back
  EXPECT_EQ(Column(3)[0], "");
  EXPECT_EQ(model->Changed(), 0);
  EXPECT_FALSE(model->SaveEnabled());
}

TEST_F(EditPathTest, APathSetByHandIsSavedLikeAReplacement) {
  const std::string untouched = fs.Text(PackageFile("b"));
  model->SetNewPath(0, "%PROGRAMFILES%\\a.exe");
  const EditorSaveReport report = model->Save();
  EXPECT_EQ(report.saved, Strings{PackageFile("a")});
  EXPECT_EQ(StoredPath("a"), "%PROGRAMFILES%\\a.exe");
  EXPECT_EQ(fs.Text(PackageFile("b")), untouched);
  EXPECT_EQ(Column(3), Strings(2));
}

TEST_F(EditPathTest, BrowseOffersTheInstallerDialogAndRemembersTheFolder) {
  fs.AddFolder("C:\\Program Files\\App");
  settings.Set("Path", "FolderBrowseExe", "C:\\Program Files\\App\\Gone");
  std::optional<EditPathForm> form = model->EditPath(0);
  dialogs.openAnswers = {std::string("C:\\Program Files\\App\\Setup.msi") + '\0' + '\0'};
  EXPECT_TRUE(form->Browse());
  ASSERT_EQ(dialogs.shown.size(), 1u);
  const SaveFileRequest& request = dialogs.shown[0].request;
  EXPECT_TRUE(dialogs.shown[0].isOpenDialog);
  EXPECT_EQ(request.startFolder, "C:\\Program Files\\App");
  EXPECT_EQ(request.title, "Открыть");
  EXPECT_EQ(request.flags, kBrowseExeFlags);
  EXPECT_EQ(request.filter, InstallerBrowseFilter(app.language));
  EXPECT_EQ(form->Path(), "%PROGRAMFILES%\\App\\Setup.msi");   // the variable form, whatever the box says
  EXPECT_EQ(Setting("FolderBrowseExe"), "C:\\Program Files\\App");

  // Cancelled: the text and the remembered folder stay.
  EXPECT_FALSE(form->Browse());
  EXPECT_EQ(form->Path(), "%PROGRAMFILES%\\App\\Setup.msi");
  EXPECT_EQ(Setting("FolderBrowseExe"), "C:\\Program Files\\App");

  // Never set: the dialog opens at the root the default names.
  settings.Set("Path", "FolderBrowseExe", "c:\\");
  dialogs.openAnswers = {std::string("C:\\Tools\\x.exe")};
  form->Browse();
  EXPECT_EQ(dialogs.shown[2].request.startFolder, "c:\\");
  EXPECT_EQ(form->Path(), "%DRIVEAPP%\\Tools\\x.exe");
  EXPECT_EQ(Setting("FolderBrowseExe"), "C:\\Tools");
}

}  // namespace
}  // namespace velgaro::test
