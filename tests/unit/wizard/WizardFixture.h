// A disk wizard over the simulated platform: packages written into the simulated file system, the
// real XML adapter, the message pump and the progress bar counted.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/SimApp.h"
#include "common/TestPackage.h"
#include "platform/posix/PosixXml.h"
#include "wizard/WizardModel.h"

namespace velgaro::test {

struct CountingPump : MessagePump {
  void RunOnce() override { ++runs; }
  int runs = 0;
};

class WizardFixture : public ::testing::Test, public SimApp {
 protected:
  static constexpr const char* kPackages = kPackageFolder;
  static constexpr const char* kTarget = "D:\\Disk";

  WizardFixture() {
    AddProgramAndPackageFolders();
    fs.AddFolder(kTarget);
    fs.SetFreeBytes("D:\\", 1000000);
    // What page 2 copies onto the disk besides the packages.
    fs.AddFile(sys.exeFolder + "\\velgaro.exe", "MZ-program");
    fs.AddFile(sys.exeFolder + "\\velgaro.ini", "[General]\r\nPortableMode=1\r\n");
    fs.AddFile(sys.exeFolder + "\\help.chm", "ITSF");
    fs.AddFile(std::string(kPackages) + "\\Position.lst", "");
    hooks.showProgress = [this](bool visible) { progress.push_back(visible ? "show" : "hide"); };
    hooks.progress = [this](int pos, int max) { progress.push_back(std::to_string(pos) + "/" + std::to_string(max)); };
  }

  // A package of kPackages that starts installer (stored as given, variables and all).
  void AddPackage(const std::string& name, const std::string& installer) {
    TestPackageSpec spec;
    spec.installer = installer;
    spec.description = "Пакет " + name;
    ASSERT_TRUE(WriteTestPackage(fs, codepage, std::string(kPackages) + "\\" + name + ".vgp", spec));
  }
  // The installer path a package file holds ("?" when it is not a sound package).
  std::string InstallerOf(const std::string& file) const {
    const std::optional<PackageImage> pkg = ReadTestPackage(fs, codepage, file);
    EXPECT_TRUE(pkg) << file;
    return pkg ? pkg->ReadExePath() : "?";
  }

  WizardModel& Model() {
    if (!model) model = std::make_unique<WizardModel>(WizardDepsOf(app, xml, &pump, &shell), hooks);
    return *model;
  }

  // Loads the window with the target folder and the disk package folder stored (page 1).
  WizardModel& LoadStored() {
    settings.Set("Path", "ISO_temp", kTarget);
    settings.Set("Path", "FolderVGP_for_ISO", kPackages);
    WizardModel& m = Model();
    m.Load();
    return m;
  }
  // The same, walked on to the package list (page 4).
  WizardModel& OpenList() {
    WizardModel& m = LoadStored();
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

  PosixXml xml;
  CountingPump pump;
  SimShell shell;
  WizardHooks hooks;
  std::vector<std::string> progress;
  std::unique_ptr<WizardModel> model;
};

}  // namespace velgaro::test
