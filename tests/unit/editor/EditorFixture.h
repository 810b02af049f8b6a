// A batch editor over the simulated platform: packages written into the simulated file system, the
// window's hooks noted.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/App.h"
#include "editor/BatchEditor.h"
#include "platform/sim/SimPlatform.h"

namespace velgaro::test {

class EditorFixture : public ::testing::Test {
 protected:
  static constexpr const char* kFolder = "C:\\Packages";

  EditorFixture() {
    fs.AddFolder(kFolder);
    fs.AddFolder(sys.exeFolder);
    app.paths.SetTable({PathVariable{"%CDROM%", ""}, {"%USERNAME%", "User"}, {"%WINDOWS%", "C:\\WINDOWS"},
                        {"%TEMP%", "C:\\TEMP"}, {"%PROGRAMFILES%", "C:\\Program Files"},
                        {"%APPFOLDER%", "C:\\Tools\\Rec\\"}, {"%DRIVEAPP%", "C:\\"}},
                       {});
    hooks.showProgress = [this](bool on) { calls.push_back(on ? "show" : "hide"); };
    hooks.progress = [this](int pos, int max) { calls.push_back(std::to_string(pos) + "/" + std::to_string(max)); };
    hooks.focusFind = [this] { calls.push_back("focus find"); };
    hooks.focusReplace = [this] { calls.push_back("focus replace"); };
    hooks.focusFolderBox = [this] { calls.push_back("focus folder"); };
  }

  std::string PackageFile(const std::string& name) const { return std::string(kFolder) + "\\" + name + ".vgp"; }

  void AddPackage(const std::string& name, const std::string& installer) {
    PackageImage pkg(PackageTextContext{codepage, {}});
    pkg.options.needWait = true;   // saved without recorded actions
    pkg.NewPackageImage(1024, 768, installer, "Пакет " + name);
    pkg.AppendExePath(installer, {});
    pkg.AppendCommandLine("/S");
    pkg.AppendCreationDate(LocalTime{2026, 12, 7, 10, 0, 0});
    pkg.WriteOptions();
    ASSERT_TRUE(pkg.WritePackageFile(fs, PackageFile(name)));
  }

  // The installer path as the file stores it now; "?" when the file is not a sound package.
  std::string StoredPath(const std::string& name) const {
    PackageImage pkg(PackageTextContext{codepage, {}});
    if (!pkg.LoadPackage(fs, PackageFile(name))) return "?";
    return pkg.ReadExePath();
  }

  // Opens the window on kFolder as the stored setting would.
  BatchEditorModel& Open() {
    settings.Set("Path", "FolderVGP", kFolder);
    return OpenWithoutSetting();
  }
  BatchEditorModel& OpenWithoutSetting() {
    model = std::make_unique<BatchEditorModel>(EditorDepsOf(app), hooks);
    model->Load();
    model->LoadFromSetting();
    return *model;
  }

  std::vector<std::string> Column(int column) const {
    std::vector<std::string> out;
    for (const EditorRow& row : model->Rows()) {
      out.push_back(column == 1 ? row.name : column == 2 ? row.path : row.newPath);
    }
    return out;
  }

  // Find and replace as the user types them and presses the button.
  int Replace(const std::string& find, const std::string& replace) {
    model->SetFindText(find);
    model->SetReplaceText(replace);
    return model->RunReplace();
  }

  SimSystemInfo sys;
  SimFileSystem fs;
  SimIniFile ini{fs};
  SimSettingsStore settings;
  SimRegistry registry;
  SimCodepage codepage;
  SimDialogs dialogs;
  App app{Platform{sys, fs, ini, settings, registry, codepage, dialogs}};
  EditorHooks hooks;
  std::unique_ptr<BatchEditorModel> model;
  std::vector<std::string> calls;
};

}  // namespace velgaro::test
