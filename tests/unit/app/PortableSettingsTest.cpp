#include <gtest/gtest.h>

#include "AppFixture.h"
#include "app/PortableSettings.h"

namespace velgaro {
namespace {

constexpr const char* kUnset = "<unset>";

class PortableSettingsTest : public AppFixture {
 protected:
  PortableSettingsTest() {
    sys.AddDrive("D:\\", kDriveCdRom);
    sys.AddDrive("E:\\", kDriveRemovable);
    sys.AddDrive("Z:\\", kDriveRemote);
  }
};

TEST_F(PortableSettingsTest, PortableModeIsAnyIniValueButZero) {
  const std::pair<const char*, bool> cases[] = {
      {nullptr, false}, {"PortableMode=1", true}, {"portablemode = yes", true}, {"PortableMode=00", true},
      {"PortableMode=0", false}, {"PortableMode=", false}, {"SpeedInstall=1", false}};
  for (const auto& [line, portable] : cases) {
    fs.Remove(IniFilePath(sys));
    if (line) WriteIni(std::string("[General]\r\n") + line + "\r\n");
    app.PortableMode = false;
    EXPECT_EQ(IsPortableByIni(sys, fs, ini, app.PortableMode), portable) << (line ? line : "no INI file");
    EXPECT_EQ(app.PortableMode, portable) << (line ? line : "no INI file");
  }
}

TEST_F(PortableSettingsTest, RemovableMediaAreRemovableAndCdRomDrivesAndShares) {
  const std::pair<const char*, bool> cases[] = {{"C:\\Tools", false}, {"D:\\", true},  {"E:\\Velgaro", true},
                                                {"Z:\\Apps", false},  {"Q:\\x", false}, {"\\\\srv\\share\\app", true}};
  for (const auto& [folder, removable] : cases) {
    sys.exeFolder = folder;
    EXPECT_EQ(IsOnRemovableMedia(sys), removable) << folder;
  }
}

struct LoadCase {
  const char* exeFolder;
  const char* ini;   // content of section General; nullptr: no INI file
  const char* speed;
  const char* folder;
  const char* language;
};

class LoadIniSettingsTest : public PortableSettingsTest, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(LoadIniSettingsTest, CopiesTheIniIntoTheUsersSettings) {
  const LoadCase& c = GetParam();
  sys.exeFolder = c.exeFolder;
  fs.AddFolder("E:\\Folder VGP");
  fs.AddFolder("C:\\Packs");
  if (c.ini) WriteIni(std::string("[General]\r\n") + c.ini);
  app.language.SetName("<unset>");
  InitPaths();
  LoadIniSettings(app);
  EXPECT_EQ(Setting("Install", "Speed"), c.speed);
  EXPECT_EQ(Setting("Path", "FolderVGP"), c.folder);
  EXPECT_EQ(app.language.Name(), c.language);
  EXPECT_EQ(app.IniSettingsLoaded, c.ini != nullptr);
  EXPECT_EQ(app.SettingsNotice, c.ini ? "" : "Не найден файл настроек velgaro.ini");
}

INSTANTIATE_TEST_SUITE_P(
    Files, LoadIniSettingsTest,
    ::testing::Values(LoadCase{"D:\\", nullptr, kUnset, kUnset, "<unset>"},
                      LoadCase{"C:\\Rec", "SpeedInstall=0\r\nLanguage=English", "0", kUnset, "English"},
                      LoadCase{"C:\\Rec", "SpeedInstall=7", "2", kUnset, ""},
                      LoadCase{"C:\\Rec", "SpeedInstall=\r\n", kUnset, kUnset, ""},   // nothing comes back
                      LoadCase{"E:\\Velgaro", "", "2", "E:\\Folder VGP", ""},        // the defaults
                      LoadCase{"C:\\Rec", "VGPFolder=%DRIVEAPP%\\Packs", "2", "C:\\Packs", ""},
                      LoadCase{"C:\\Rec", "VGPFolder=C:\\Nowhere", "2", kUnset, ""},
                      LoadCase{"E:\\Velgaro", "VGPFolder=E", "2", kUnset, ""},        // one character
                      LoadCase{"E:\\Velgaro", "\xFF\x01Speed\n==\x1A\r]\n\xD0[=", "2", "E:\\Folder VGP", ""}));

TEST_F(PortableSettingsTest, WriteGoesIntoSectionGeneralUnlessKeyOrValueIsEmpty) {
  fs.AddFolder(sys.exeFolder);
  EXPECT_FALSE(WriteIniSetting(app, "", "1"));
  EXPECT_FALSE(WriteIniSetting(app, "Language", ""));
  EXPECT_FALSE(fs.Exists(IniFilePath(sys)));
  EXPECT_TRUE(WriteIniSetting(app, "SpeedInstall", "1"));
  EXPECT_EQ(ini.Read(IniFilePath(sys), "General", "SpeedInstall", "", 128), "1");
}

TEST_F(PortableSettingsTest, ReadOnlyIniShowsTheBoxOncePerUserAndTheStatusEveryTime) {
  const std::string failure = "Запись в файл - провалена. Возможно \n установлен атрибут только для чтения\r\n" +
                              IniFilePath(sys);
  WriteIni("[General]\r\n");
  fs.SetReadOnly(IniFilePath(sys), true);
  EXPECT_FALSE(WriteIniSetting(app, "SpeedInstall", "0"));
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, failure);
  EXPECT_EQ(dialogs.shown[0].style, 0u);
  EXPECT_EQ(Setting("View", "ErrorShowed"), "1");

  App laterRun{app.platform};
  for (App* run : {&app, &laterRun}) {
    run->StatusPanel2.clear();
    EXPECT_FALSE(WriteIniSetting(*run, "Language", "English"));
    EXPECT_EQ(run->StatusPanel2, failure);
  }
  EXPECT_EQ(dialogs.shown.size(), 1u);
}

TEST_F(PortableSettingsTest, ErrorShowedIsReadAsItsLeadingNumber) {
  const std::pair<const char*, bool> cases[] = {{"0", true},  {"abc", true}, {"", true},  {" 0", true},
                                                {"1", false}, {"1x", false}, {" 2", false}};
  WriteIni("[General]\r\n");
  fs.SetReadOnly(IniFilePath(sys), true);
  for (const auto& [errorShowed, boxShown] : cases) {
    settings.Set("View", "ErrorShowed", errorShowed);
    dialogs.shown.clear();
    WriteIniSetting(app, "SpeedInstall", "1");
    EXPECT_EQ(dialogs.shown.size(), boxShown ? 1u : 0u) << '"' << errorShowed << '"';
  }
}

}  // namespace
}  // namespace velgaro
