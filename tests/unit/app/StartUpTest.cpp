#include <gtest/gtest.h>

#include "AppFixture.h"
#include "app/SingleInstance.h"
#include "app/StartUp.h"
#include "platform/sim/SimDesktop.h"

namespace velgaro {
namespace {

using Calls = std::vector<std::string>;
using StartUpTest = AppFixture;

TEST_F(StartUpTest, FirstCopyReadsTheCommandLineLoadsTheLanguageThenOpensTheMainWindow) {
  commandLine = "/nostat";
  sys.langId = 1031;   // no German language file: reported once
  StartUp(app);
  EXPECT_EQ(calls, (Calls{"commandLine", "acquire", "openMainWindow"}));
  EXPECT_TRUE(app.NoStatistics);
  EXPECT_EQ(dialogs.shown.size(), 1u);
}

TEST_F(StartUpTest, SecondCopyEndsWhenAFirstCopysMainWindowCameForward) {
  firstCopy = false;
  firstCopyHasMainWindow = true;
  StartUp(app);
  EXPECT_EQ(calls, (Calls{"commandLine", "acquire", "bringForward", "endProcess"}));
  EXPECT_EQ(endCode, 0);

  calls.clear();
  firstCopyHasMainWindow = false;   // the first copy shows only its control window
  StartUp(app);
  EXPECT_EQ(calls, (Calls{"commandLine", "acquire", "bringForward", "openMainWindow"}));
}

TEST_F(StartUpTest, ASecondCopyAskedToInstallNeverEndsAsIfItHadInstalled) {
  fs.AddFile("C:\\Pkgs\\a.vgp", "x");
  firstCopy = false;
  firstCopyHasMainWindow = true;
  // Handed over to the first copy's main window, nothing is installed: the caller hears 1603.
  commandLine = "/inst C:\\Pkgs\\a.vgp /nostat";
  StartUp(app);
  EXPECT_EQ(calls, (Calls{"commandLine", "acquire", "bringForward", "endProcess"}));
  EXPECT_EQ(endCode, 1603);

  // A deployment tool's run is nobody's to hand over: it plays the package as a copy of its own.
  for (const char* line : {"/inst C:\\Pkgs\\a.vgp /nostat /TIMEOUT=60", "/inst C:\\Pkgs\\a.vgp /REPORT=C:\\r.json"}) {
    calls.clear();
    commandLine = line;
    StartUp(app);
    EXPECT_EQ(calls, (Calls{"commandLine", "acquire", "openControlWindow"})) << line;
  }
}

TEST_F(StartUpTest, UnattendedInstallOpensOnlyTheControlWindow) {
  fs.AddFile("C:\\Pkgs\\a.vgp", "x");
  commandLine = "/inst C:\\Pkgs\\a.vgp";
  sys.langId = 1031;
  StartUp(app);
  EXPECT_EQ(calls, (Calls{"commandLine", "acquire", "openControlWindow"}));
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(StartUpTest, PortableIniTurnsOnPortableModeAndItsLanguageStands) {
  settings.Set("Language", "Language", "German");
  WriteIni("[General]\r\nPortableMode=1\r\nLanguage=Russian\r\n");
  StartUp(app);
  EXPECT_TRUE(app.PortableMode);
  EXPECT_EQ(app.language.Name(), "Russian");
}

TEST_F(StartUpTest, RemovableDriveCopiesTheIniWithoutPortableMode) {
  sys.exeFolder = "E:\\Velgaro";
  sys.AddDrive("E:\\", kDriveRemovable);
  fs.AddFolder("E:\\Folder VGP");   // the default VGPFolder: %DRIVEAPP% must be known already
  WriteIni("[General]\r\n");
  StartUp(app);
  EXPECT_FALSE(app.PortableMode);
  EXPECT_EQ(Setting("Path", "FolderVGP"), "E:\\Folder VGP");
}

TEST_F(StartUpTest, CdRomWithoutIniKeepsTheUsersLanguage) {
  sys.exeFolder = "D:\\";
  sys.AddDrive("D:\\", kDriveCdRom);
  settings.Set("Language", "Language", "Russian");
  sys.langId = 1031;
  StartUp(app);
  EXPECT_EQ(app.SettingsNotice, "Не найден файл настроек velgaro.ini");
  EXPECT_EQ(app.language.Name(), "Russian");
}

TEST(FirstCopyWindowTest, CaptionIsLongerThanAndStartsWithTheProductName) {
  SimDesktop desktop;
  const auto create = [&](const char* className, const char* caption) {
    SimWindowSpec spec;
    spec.className = className;
    spec.caption = caption;
    return desktop.Create(spec);
  };
  create("Main", "Velgaro Replaysetup");
  create("Main", "velgaro replaysetup - C:\\x");
  create("Other", "Velgaro Replaysetup - C:\\x");
  EXPECT_EQ(FindFirstCopyMainWindow(desktop, "Main"), 0u);
  const WindowHandle main = create("Main", "Velgaro Replaysetup - C:\\Pkgs");
  EXPECT_EQ(FindFirstCopyMainWindow(desktop, "Main"), main);
}

}  // namespace
}  // namespace velgaro
