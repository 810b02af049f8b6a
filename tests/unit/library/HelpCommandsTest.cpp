// The Help menu: the help file beside the program or its message, and the links.
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

}  // namespace
}  // namespace velgaro::test
