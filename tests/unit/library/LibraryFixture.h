// A main window over the simulated platform: packages written into the simulated file system, the
// windows layer's hooks noted, the progress steps recorded.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/App.h"
#include "library/MainWindowModel.h"
#include "platform/sim/SimPlatform.h"

namespace velgaro::test {

struct RecordedProgress : LibraryProgress {
  void Begin(int rows) override { calls.push_back("begin " + std::to_string(rows)); }
  void Step(int, int, const std::string& text) override { steps.push_back(text); }
  void End() override { calls.push_back("end"); }
  std::vector<std::string> calls;
  std::vector<std::string> steps;
};

class LibraryFixture : public ::testing::Test {
 protected:
  static constexpr const char* kFolder = "C:\\Packages";
  static constexpr const char* kSetup = "C:\\Setup\\setup.exe";

  LibraryFixture() {
    fs.AddFolder(kFolder);
    fs.AddFolder(sys.exeFolder);
    fs.AddFile(kSetup, "MZ");
    app.paths.SetTable({PathVariable{"%CDROM%", ""}, {"%USERNAME%", "User"}, {"%WINDOWS%", "C:\\WINDOWS"},
                        {"%TEMP%", "C:\\TEMP"}, {"%PROGRAMFILES%", "C:\\Program Files"},
                        {"%APPFOLDER%", "C:\\Tools\\Rec\\"}, {"%DRIVEAPP%", "C:\\"}},
                       {});
    hooks.hideMainWindow = [this] { calls.push_back("hide"); };
    hooks.openControlWindow = [this](const PlayRun& run) {
      calls.push_back("control");
      played = run;
    };
    hooks.openNewPackage = [this](const std::string& exe, const std::string& name) {
      calls.push_back("new " + exe + " | " + name);
    };
    hooks.setTopMost = [this](bool on) { calls.push_back(on ? "topmost on" : "topmost off"); };
    hooks.focusFolderBox = [this] { calls.push_back("focus folder box"); };
    hooks.captionsChanged = [this] { calls.push_back("captions"); };
    hooks.progress = &progress;
  }

  // A package of the folder: its installer, description and default selection.
  void AddPackage(const std::string& name, const std::string& installer = kSetup,
                  const std::string& description = "", bool defSelect = false) {
    PackageImage pkg(PackageTextContext{codepage, {}});
    pkg.options = PackageOptions{false, false, 0, defSelect, true};
    pkg.NewPackageImage(1024, 768, installer, description.empty() ? "Пакет " + name : description);
    pkg.AppendExePath(installer, {});
    pkg.AppendCommandLine("");
    pkg.AppendCreationDate(LocalTime{2026, 12, 7, 10, 0, 0});
    pkg.WriteOptions();
    ASSERT_TRUE(pkg.WritePackageFile(fs, std::string(kFolder) + "\\" + name + ".vgp"));
  }

  MainWindowModel& Model() {
    if (!model) model = std::make_unique<MainWindowModel>(app, shell, hooks);
    return *model;
  }
  // Opens the window on kFolder as a stored setting would.
  MainWindowModel& Open() {
    settings.Set("Path", "FolderVGP", kFolder);
    settings.Set("Install", "Registry", "1");
    Model().Load();
    return *model;
  }

  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const LibraryRow& row : model->Library().Rows()) texts.push_back(row.text);
    return texts;
  }
  std::string OrderFileText() const { return fs.Text(std::string(kFolder) + "\\Position.lst"); }
  const std::string& Panel(int i) const { return model->View().panels[static_cast<std::size_t>(i - 1)]; }
  // The text the list shows in a cell (row from 0; column 1 presence, 2 description, 3 path).
  std::string Cell(std::size_t row, int column) const {
    return model->Library().CellText(model->Library().Rows()[row], column);
  }

  SimSystemInfo sys;
  SimFileSystem fs;
  SimIniFile ini{fs};
  SimSettingsStore settings;
  SimRegistry registry;
  SimCodepage codepage;
  SimDialogs dialogs;
  SimShell shell;
  App app{Platform{sys, fs, ini, settings, registry, codepage, dialogs}};
  RecordedProgress progress;
  MainWindowHooks hooks;
  std::unique_ptr<MainWindowModel> model;
  std::vector<std::string> calls;
  PlayRun played;   // the run the control window was opened with
};

}  // namespace velgaro::test
