// The Help menu: the help file beside the program or its message, and the links; the disk wizard's
// entry and the package folder it leaves behind.
#include "LibraryFixture.h"

namespace velgaro::test {
namespace {

using HelpCommandsTest = LibraryFixture;

TEST_F(HelpCommandsTest, HelpOpensTheFileBesideTheProgramOrSaysItIsMissing) {
  Open();
  model->HelpCHM();
  EXPECT_TRUE(shell.opened.empty());
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, "Отсутствует файл справки");
  EXPECT_EQ(dialogs.shown[0].title, "Ошибка");
  EXPECT_EQ(dialogs.shown[0].style, kMbIconExclamation);

  fs.AddFolder(sys.exeFolder + "\\help.chm");   // a folder of that name is no help file
  model->HelpCHM();
  EXPECT_TRUE(shell.opened.empty());

  fs.Remove(sys.exeFolder + "\\help.chm");
  fs.AddFile(sys.exeFolder + "\\help.chm", "ITSF");
  model->HelpCHM();
  EXPECT_EQ(shell.opened, std::vector<std::string>{sys.exeFolder + "\\help.chm"});
}

TEST_F(HelpCommandsTest, LinksGoToMailTheSiteAndItsGuestBook) {
  Open();
  model->WriteLetter();
  model->OpenSite();
  model->OpenGuestBook();
  ASSERT_EQ(shell.opened.size(), 3u);
  EXPECT_EQ(shell.opened[0].rfind("mailto:", 0), 0u);
  EXPECT_EQ(shell.opened[1].rfind("http://", 0), 0u);
  EXPECT_EQ(shell.opened[2], shell.opened[1] + "book.htm");
}

// The wizard runs with the order the user sees saved, and the list then shows the folder it left.
TEST_F(HelpCommandsTest, AfterTheDiskWizardTheListShowsTheFolderItLeft) {
  AddPackage("First");
  fs.AddFolder("D:\\Disk\\Folder VGP");
  hooks.openDiskWizard = [this] {
    calls.push_back("wizard");
    EXPECT_TRUE(fs.Exists(std::string(kFolder) + "\\Position.lst"));
    settings.Set("Path", "FolderVGP", "D:\\Disk\\Folder VGP");
  };
  model.reset();
  Open();
  model->DiskWizard();
  EXPECT_EQ(calls, std::vector<std::string>{"wizard"});
  EXPECT_EQ(model->Library().Folder(), "D:\\Disk\\Folder VGP");
  EXPECT_EQ(model->View().folderText, "D:\\Disk\\Folder VGP");
  EXPECT_TRUE(model->View().newInstallEnabled);
  EXPECT_TRUE(model->Library().Rows().empty());

  // A wizard that leaves no package folder leaves the window without one.
  hooks.openDiskWizard = [this] { settings.Set("Path", "FolderVGP", ""); };
  model.reset();
  Open();
  model->DiskWizard();
  EXPECT_EQ(model->View().folderText, "Выберите папку");
  EXPECT_EQ(Panel(2), "Выберите папку");
  EXPECT_FALSE(model->View().newInstallEnabled);
  EXPECT_TRUE(model->Library().Rows().empty());
}

}  // namespace
}  // namespace velgaro::test
