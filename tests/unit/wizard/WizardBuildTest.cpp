// The wizard's pages driving the build of the disk folder.
#include <gtest/gtest.h>

#include <map>

#include "unit/wizard/WizardFixture.h"

namespace velgaro::test {
namespace {

class WizardBuild : public WizardFixture {
 protected:
  WizardBuild() {
    fs.AddFile("C:\\Apps\\Editor\\setup.exe", "MZ-editor");
    fs.AddFile("C:\\Apps\\Editor\\plugins\\p.dll", "MZ-plugin");
    fs.AddFile("C:\\Apps\\Editor\\Tools\\tool.exe", "MZ-tool");
    AddPackage("Editor", "C:\\Apps\\Editor\\setup.exe");
    AddPackage("Tool", "C:\\Apps\\Editor\\Tools\\tool.exe");   // nested in Editor's folder
  }
  std::map<std::string, Bytes> FilesOnC() const {
    std::map<std::string, Bytes> out;
    for (const auto& [key, entry] : fs.Entries()) {
      if (!entry.isFolder && key.rfind("C:\\", 0) == 0) out[key] = entry.content;
    }
    return out;
  }
};

TEST_F(WizardBuild, PageTwoCopiesTheProgramAndShowsTheLog) {
  settings.Set("Install", "Speed_for_ISO", "0");
  WizardModel& m = OpenList();
  EXPECT_EQ(m.State().reportStatus, "Процесс копирования завершён успешно");
  EXPECT_EQ(m.State().copyLog, m.Builder().Log().Text());
  EXPECT_NE(m.State().copyLog.find("Копирование файла `C:\\Packages\\Editor.vgp` в ` D:\\Disk\\Folder VGP\\Editor.vgp"),
            std::string::npos);
  EXPECT_EQ(ini.Read("D:\\Disk\\Velgaro\\Velgaro.ini", "General", "SpeedInstall", "", 255), "0");
  EXPECT_EQ(ini.Read(sys.exeFolder + "\\velgaro.ini", "General", "SpeedInstall", "none", 255), "none");
  EXPECT_TRUE(fs.Exists("D:\\Disk\\autorun.inf"));
  EXPECT_FALSE(m.State().backEnabled);
}

TEST_F(WizardBuild, PageFourCopiesTickedFoldersOnceAndPageSixRewritesOnlyTheDiskCopies) {
  WizardModel& m = OpenList();
  int shown = 0;
  hooks.copyProgress = [&shown] { ++shown; };
  m.Compute();
  ASSERT_TRUE(m.State().nextEnabled);
  const auto before = FilesOnC();
  ASSERT_TRUE(m.Next());
  EXPECT_EQ(m.State().copiedFolders, 1);   // Tool's folder lies in Editor's: copied with it
  EXPECT_EQ(m.State().percent, "Копирование завершено");
  EXPECT_EQ(m.State().copySource, "---");
  EXPECT_EQ(m.State().copyValue, 1);
  EXPECT_NE(m.State().copyStat.find("1/1"), std::string::npos);
  EXPECT_EQ(fs.Text("D:\\Disk\\Programs\\Editor\\Tools\\tool.exe"), "MZ-tool");
  ASSERT_TRUE(m.Next());
  m.SetReplacePaths(true);
  ASSERT_TRUE(m.Next());
  EXPECT_EQ(InstallerOf("D:\\Disk\\Folder VGP\\Editor.vgp"), "%DRIVEAPP%\\Programs\\Editor\\setup.exe");
  // Composed from the enclosing folder it was copied with: where the file really is.
  EXPECT_EQ(InstallerOf("D:\\Disk\\Folder VGP\\Tool.vgp"), "%DRIVEAPP%\\Programs\\Editor\\Tools\\tool.exe");
  EXPECT_TRUE(fs.Exists("D:\\Disk\\Programs\\Editor\\Tools\\tool.exe"));
  auto after = FilesOnC();
  after.erase(SimPathKey(sys.exeFolder + "\\FolderPath.xml"));
  auto expected = before;
  expected.erase(SimPathKey(sys.exeFolder + "\\FolderPath.xml"));
  EXPECT_EQ(after, expected);
}

TEST_F(WizardBuild, WithoutTheRewriteTheCopiesKeepTheirPaths) {
  WizardModel& m = OpenList();
  m.Compute();
  ASSERT_TRUE(m.Next());
  ASSERT_TRUE(m.Next());
  ASSERT_TRUE(m.Next());
  EXPECT_EQ(InstallerOf("D:\\Disk\\Folder VGP\\Editor.vgp"), "C:\\Apps\\Editor\\setup.exe");
}

TEST_F(WizardBuild, TheClosingPageOffersBothPackageFoldersAndOpensTheDisk) {
  settings.Set("Path", "FolderVGP", "C:\\Mine");
  WizardModel& m = OpenList();
  m.Compute();
  for (int page = 4; page < 7; ++page) ASSERT_TRUE(m.Next()) << "page " << page;
  EXPECT_EQ(m.State().keepFolderOption, "C:\\Mine");
  EXPECT_EQ(m.State().diskFolderOption, "D:\\Disk\\Folder VGP");
  EXPECT_FALSE(m.State().copying);
  m.SetUseDiskFolder(true);
  ASSERT_TRUE(m.Next());
  EXPECT_EQ(settings.Get("Path", "FolderVGP", ""), "D:\\Disk\\Folder VGP");
  EXPECT_EQ(shell.opened, std::vector<std::string>{"D:\\Disk"});
  EXPECT_TRUE(m.State().closeRequested);
  EXPECT_TRUE(m.QueryClose());
}

TEST_F(WizardBuild, KeepingTheOwnPackageFolderLeavesTheSettingAlone) {
  settings.Set("Path", "FolderVGP", "C:\\Mine");
  WizardModel& m = OpenList();
  m.Compute();
  for (int page = 4; page < 8; ++page) ASSERT_TRUE(m.Next()) << "page " << page;
  EXPECT_EQ(settings.Get("Path", "FolderVGP", ""), "C:\\Mine");
  EXPECT_EQ(shell.opened.size(), 1u);
}

}  // namespace
}  // namespace velgaro::test
