// A main window over the simulated platform: packages written into the simulated file system, the
// windows layer's hooks noted, the progress steps recorded.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "common/SimApp.h"
#include "common/TestPackage.h"
#include "library/MainWindowModel.h"
#include "library/PackageProperties.h"

namespace velgaro::test {

struct RecordedProgress : LibraryProgress {
  void Begin(int rows) override { calls.push_back("begin " + std::to_string(rows)); }
  void Step(int, int, const std::string& text) override { steps.push_back(text); }
  void End() override { calls.push_back("end"); }
  std::vector<std::string> calls;
  std::vector<std::string> steps;
};

class LibraryFixture : public ::testing::Test, public SimApp {
 protected:
  static constexpr const char* kFolder = kPackageFolder;

  LibraryFixture() {
    AddProgramAndPackageFolders();
    fs.AddFile(kSetup, "MZ");
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
    TestPackageSpec spec;
    spec.installer = installer;
    spec.description = description.empty() ? "Пакет " + name : description;
    spec.options.defSelect = defSelect;
    AddPackage(name, spec);
  }
  void AddPackage(const std::string& name, const TestPackageSpec& spec) {
    ASSERT_TRUE(WriteTestPackage(fs, codepage, PackageFile(name), spec));
  }
  // The two packages the properties tests change: Alpha ("первый") and Beta ("второй").
  void AddAlphaAndBeta() {
    AddPackage("Alpha", kSetup, "первый");
    AddPackage("Beta", kSetup, "второй");
  }
  static std::string PackageFile(const std::string& name) { return std::string(kFolder) + "\\" + name + ".vgp"; }

  // The properties dialog as the view opens it on row: the form in properties mode over the names the
  // list shows, filled from the package (GetProperty).
  PackageProperties& OpenProperties(const std::vector<std::string>& names, const std::string& row) {
    properties.reset();
    form = std::make_unique<NewPackageForm>(NewPackageDeps{app.language, fs, settings, dialogs, app.paths},
                                            NewPackageSetup{names, kFolder, "", "", NewPackageMode::Properties});
    form->Load();
    properties = std::make_unique<PackageProperties>(
        PropertiesDeps{app.PackageText(), app.language, dialogs, fs, app.paths}, *form, kFolder, row);
    properties->GetProperty();
    return *properties;
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

  SimShell shell;
  RecordedProgress progress;
  MainWindowHooks hooks;
  std::unique_ptr<MainWindowModel> model;
  std::unique_ptr<NewPackageForm> form;               // the properties dialog (OpenProperties)
  std::unique_ptr<PackageProperties> properties;
  std::vector<std::string> calls;
  PlayRun played;   // the run the control window was opened with
};

}  // namespace velgaro::test
