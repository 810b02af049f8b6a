// A disk wizard over the simulated platform: packages written into the simulated file system, the
// real XML adapter, the message pump and the progress bar counted.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/App.h"
#include "platform/posix/PosixXml.h"
#include "platform/sim/SimPlatform.h"
#include "wizard/WizardModel.h"

namespace velgaro::test {

struct CountingPump : MessagePump {
  void RunOnce() override { ++runs; }
  int runs = 0;
};

class WizardFixture : public ::testing::Test {
 protected:
  static constexpr const char* kPackages = "C:\\Packages";
  static constexpr const char* kTarget = "D:\\Disk";

  WizardFixture() {
    fs.AddFolder(kPackages);
    fs.AddFolder(sys.exeFolder);
    fs.AddFolder(kTarget);
    fs.SetFreeBytes("D:\\", 1000000);
    // What page 2 copies onto the disk besides the packages.
    fs.AddFile(sys.exeFolder + "\\velgaro.exe", "MZ-program");
    fs.AddFile(sys.exeFolder + "\\velgaro.ini", "[General]\r\nPortableMode=1\r\n");
    fs.AddFile(sys.exeFolder + "\\help.chm", "ITSF");
    fs.AddFile(std::string(kPackages) + "\\Position.lst", "");
    app.paths.SetTable({PathVariable{"%CDROM%", ""}, {"%USERNAME%", "User"}, {"%WINDOWS%", "C:\\WINDOWS"},
                        {"%TEMP%", "C:\\TEMP"}, {"%PROGRAMFILES%", "C:\\Program Files"},
                        {"%APPFOLDER%", "C:\\Tools\\Rec\\"}, {"%DRIVEAPP%", "C:\\"}},
                       {});
    hooks.showProgress = [this](bool visible) { progress.push_back(visible ? "show" : "hide"); };
    hooks.progress = [this](int pos, int max) { progress.push_back(std::to_string(pos) + "/" + std::to_string(max)); };
  }

  // A package of kPackages that starts installer (stored as given, variables and all).
  void AddPackage(const std::string& name, const std::string& installer) {
    PackageImage pkg(PackageTextContext{codepage, {}});
    pkg.options = PackageOptions{false, false, 0, false, true};
    pkg.NewPackageImage(1024, 768, installer, "Пакет " + name);
    pkg.AppendExePath(installer, {});
    pkg.AppendCommandLine("");
    pkg.AppendCreationDate(LocalTime{2026, 12, 7, 10, 0, 0});
    pkg.WriteOptions();
    ASSERT_TRUE(pkg.WritePackageFile(fs, std::string(kPackages) + "\\" + name + ".vgp"));
  }

  WizardModel& Model() {
    if (!model) model = std::make_unique<WizardModel>(WizardDepsOf(app, xml, &pump, &shell), hooks);
    return *model;
  }

  // Loads the window with the target folder and the disk package folder stored, and walks to the
  // package list (page 4).
  WizardModel& OpenList() {
    settings.Set("Path", "ISO_temp", kTarget);
    settings.Set("Path", "FolderVGP_for_ISO", kPackages);
    WizardModel& m = Model();
    m.Load();
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(m.Next()) << "page " << i;
    EXPECT_EQ(m.State().step, 4);
    return m;
  }

  std::vector<std::string> Column(std::string WizardRow::*field) const {
    std::vector<std::string> out;
    for (const WizardRow& row : model->Rows()) out.push_back(row.*field);
    return out;
  }
  std::string FolderPathXml() const { return fs.Text(sys.exeFolder + "\\FolderPath.xml"); }

  SimSystemInfo sys;
  SimFileSystem fs;
  SimIniFile ini{fs};
  SimSettingsStore settings;
  SimRegistry registry;
  SimCodepage codepage;
  SimDialogs dialogs;
  PosixXml xml;
  CountingPump pump;
  SimShell shell;
  App app{Platform{sys, fs, ini, settings, registry, codepage, dialogs}};
  WizardHooks hooks;
  std::vector<std::string> progress;
  std::unique_ptr<WizardModel> model;
};

}  // namespace velgaro::test
