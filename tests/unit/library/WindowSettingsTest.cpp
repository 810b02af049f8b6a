// The window's start, its window-wide settings and the commands handed to the system.
#include <gtest/gtest.h>

#include "LibraryFixture.h"

namespace velgaro::test {
namespace {

using WindowSettingsTest = LibraryFixture;

TEST_F(WindowSettingsTest, StartShowsCaptionSwitchesAndNotice) {
  app.CommandSwitches = "/nostat";
  app.SettingsNotice = "Не найден файл настроек velgaro.ini";
  Open();
  EXPECT_EQ(model->View().caption, "Velgaro Replaysetup (Build 1.5.0)");
  EXPECT_EQ(Panel(3), "/nostat");
  EXPECT_TRUE(model->View().panel3Visible);
  EXPECT_EQ(Panel(2), "Не найден файл настроек velgaro.ini");
  EXPECT_FALSE(model->View().panel4Visible);
}

TEST_F(WindowSettingsTest, StoredTopMostStartsTopMostAndTheMenuTurnsItOff) {
  settings.Set("View", "TopMost", "1");
  Open();
  EXPECT_TRUE(model->View().topMost);
  EXPECT_EQ(calls, (std::vector<std::string>{"topmost on"}));
  model->ToggleTopMost();
  EXPECT_FALSE(model->View().topMost);
  EXPECT_EQ(settings.Get("View", "TopMost", ""), "0");
  EXPECT_EQ(calls.back(), "topmost off");
  model->ToggleTopMost();
  EXPECT_EQ(settings.Get("View", "TopMost", ""), "1");
}

TEST_F(WindowSettingsTest, TheFirstStartAssociatesPackagesOnce) {
  settings.Set("Path", "FolderVGP", kFolder);
  Model().Load();
  EXPECT_EQ(registry.GetString(RegRoot::ClassesRoot, ".vgp", ""), "velgaro");
  EXPECT_EQ(settings.Get("Install", "Registry", ""), "1");
  registry.values.clear();
  model.reset();
  Model().Load();
  EXPECT_TRUE(registry.values.empty());
}

TEST_F(WindowSettingsTest, RunningFromACdNeverAssociates) {
  sys.exeFolder = "D:\\Velgaro";
  sys.AddDrive("D:\\", kDriveCdRom);
  Model().Load();
  EXPECT_TRUE(registry.values.empty());
  EXPECT_EQ(settings.Get("Install", "Registry", "<unset>"), "<unset>");
  sys.exeFolder = "\\\\server\\share\\Velgaro";
  Model().Load();
  EXPECT_TRUE(registry.values.empty());
}

TEST_F(WindowSettingsTest, TheMenuCommandAssociatesEvenWhenAnotherProgramOwnsTheType) {
  registry.Put(RegRoot::ClassesRoot, ".vgp", "", "OtherApp");
  settings.Set("Install", "Registry", "1");
  Model().Load();
  model->Associate();
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(registry.GetString(RegRoot::ClassesRoot, ".vgp", ""), "velgaro");
}

TEST_F(WindowSettingsTest, PortableModeIsToggledInTheIniFile) {
  Open().TogglePortable();
  EXPECT_TRUE(app.PortableMode);
  EXPECT_TRUE(model->View().panel4Visible);
  EXPECT_EQ(Panel(4), "Portable");
  EXPECT_EQ(ini.Read("C:\\Tools\\Rec\\velgaro.ini", "General", "PortableMode", "", 128), "1");
  model->TogglePortable();
  EXPECT_FALSE(app.PortableMode);
  EXPECT_EQ(ini.Read("C:\\Tools\\Rec\\velgaro.ini", "General", "PortableMode", "", 128), "0");
}

TEST_F(WindowSettingsTest, LanguagesAreTheFilesOfTheLanguageFolder) {
  fs.AddFile("C:\\Tools\\Rec\\language\\English.lng", "[main]\r\n13=of\r\n");
  fs.AddFile("C:\\Tools\\Rec\\language\\deutsch.lng", "[main]\r\n13=von\r\n");
  fs.AddFile("C:\\Tools\\Rec\\language\\notes.txt", "");
  AddPackage("a");
  Open();
  EXPECT_EQ(model->View().languages, (std::vector<std::string>{"deutsch", "English"}));
  model->SelectLanguage("English");
  EXPECT_EQ(app.language.Name(), "English");
  EXPECT_EQ(settings.Get("Language", "Language", ""), "English");
  EXPECT_EQ(calls.back(), "captions");
  model->CheckCountLV();
  EXPECT_EQ(Panel(1), "0 of 1");
  calls.clear();
  model->SelectLanguage("Klingon");   // no such file: nothing happens
  EXPECT_TRUE(calls.empty());
  EXPECT_EQ(app.language.Name(), "English");
}

TEST_F(WindowSettingsTest, WithoutLanguageFilesTheMenuHasOnlyItsOwnItem) {
  Open();
  EXPECT_TRUE(model->View().languages.empty());
}

TEST_F(WindowSettingsTest, ControlPanelCommandsStartMinimised) {
  Open().OpenControlPanel();
  model->OpenAddRemovePrograms();
  EXPECT_EQ(shell.ran, (std::vector<std::string>{"rundll32.exe shell32.dll, Control_RunDLL",
                                                 "rundll32.exe shell32.dll,Control_RunDLL appwiz.cpl"}));
}

}  // namespace
}  // namespace velgaro::test
