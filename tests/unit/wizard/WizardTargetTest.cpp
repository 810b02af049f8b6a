// A disk target that the disk would be copied into itself from, or that lies in the user's package
// folder, is refused on page 1, where the target and the folders to copy are all known, before anything
// is written; Back is still open there.
#include <gtest/gtest.h>

#include "unit/wizard/WizardFixture.h"

namespace velgaro::test {
namespace {

class DiskTarget : public WizardFixture {
 protected:
  // Loads the wizard on the stored target and passes page 0; page 1 shows.
  WizardModel& ToPageOne(const std::string& target) {
    fs.AddFolder(target);
    settings.Set("Path", "ISO_temp", target);
    settings.Set("Path", "FolderVGP_for_ISO", kPackages);
    WizardModel& m = Model();
    m.Load();
    EXPECT_TRUE(m.Next());
    EXPECT_EQ(m.State().step, 1);
    return m;
  }
  // Next on page 1 is refused with text, and nothing was written.
  void ExpectRefused(WizardModel& m, const std::string& text) {
    const std::size_t writes = fs.WriteCount();
    const auto entries = fs.Entries().size();
    EXPECT_FALSE(m.Next());
    EXPECT_EQ(m.State().step, 1);
    EXPECT_TRUE(m.State().backEnabled);
    ASSERT_FALSE(dialogs.shown.empty());
    EXPECT_EQ(dialogs.shown.back().text, text);
    EXPECT_EQ(dialogs.shown.back().style, unsigned{kMbIconStop});
    EXPECT_EQ(fs.WriteCount(), writes);
    EXPECT_EQ(fs.CopyCount(), 0u);
    EXPECT_EQ(fs.Entries().size(), entries);
    EXPECT_EQ(settings.Get("Path", "SoftFolder", "unset"), "unset");
  }
};

TEST_F(DiskTarget, InsideAProgramFolderToCopyIsRefusedAndAnotherTargetGoesOn) {
  fs.AddFile("C:\\Distr\\Editor\\setup.exe", "MZ");
  AddPackage("Editor", "C:\\Distr\\Editor\\setup.exe");
  AddPackage("NoProgram", "-");
  WizardModel& m = ToPageOne("C:\\Distr\\Editor\\Disk");
  ExpectRefused(m, "Папка образа диска лежит внутри копируемой папки C:\\Distr\\Editor. Выберите другую папку для "
                   "образа диска.");

  ASSERT_TRUE(m.Back());
  dialogs.folderAnswers.push_back(kTarget);
  m.ChooseTargetFolder();
  ASSERT_TRUE(m.Next());
  ASSERT_TRUE(m.Next());
  EXPECT_EQ(m.State().step, 2);
  EXPECT_EQ(m.State().summaryTarget, kTarget);
}

TEST_F(DiskTarget, TheFolderThatFolderPathXmlNamesIsTheOneJudged) {
  fs.AddFile("C:\\Distr\\Editor\\setup.exe", "MZ");
  AddPackage("Editor", "C:\\Distr\\Editor\\setup.exe");
  fs.AddFile(sys.exeFolder + "\\FolderPath.xml",
             "<?xml version=\"1.0\"?><list><vgp><name>Editor</name><path>C:\\Distr</path></vgp></list>");
  ExpectRefused(ToPageOne("C:\\Distr\\Disk"), "Папка образа диска лежит внутри копируемой папки C:\\Distr. "
                                              "Выберите другую папку для образа диска.");
}

TEST_F(DiskTarget, ThePackageFolderOrAFolderInsideItIsRefused) {
  AddPackage("A", "-");
  ExpectRefused(ToPageOne("C:\\Packages\\Disk"), "Папка образа диска лежит внутри папки пакетов C:\\Packages. "
                                                 "Выберите другую папку для образа диска.");
  model.reset();
  ExpectRefused(ToPageOne("c:\\packages\\"), "Папка образа диска совпадает с папкой пакетов C:\\Packages. "
                                             "Выберите другую папку для образа диска.");
}

TEST_F(DiskTarget, AFolderBesideTheProgramFoldersIsTaken) {
  fs.AddFile("C:\\Distr\\Editor\\setup.exe", "MZ");
  AddPackage("Editor", "C:\\Distr\\Editor\\setup.exe");
  WizardModel& m = ToPageOne("C:\\Distr\\EditorDisk");   // a name that begins like the folder, not inside it
  EXPECT_TRUE(m.Next());
  EXPECT_EQ(m.State().step, 2);
  EXPECT_TRUE(dialogs.shown.empty());
}

}  // namespace
}  // namespace velgaro::test
