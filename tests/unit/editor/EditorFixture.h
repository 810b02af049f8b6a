// A batch editor over the simulated platform: packages written into the simulated file system, the
// window's hooks noted.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/SimApp.h"
#include "common/TestPackage.h"
#include "editor/BatchEditor.h"

namespace velgaro::test {

class EditorFixture : public ::testing::Test, public SimApp {
 protected:
  static constexpr const char* kFolder = kPackageFolder;

  EditorFixture() {
    AddProgramAndPackageFolders();
    hooks.showProgress = [this](bool on) { calls.push_back(on ? "show" : "hide"); };
    hooks.progress = [this](int pos, int max) { calls.push_back(std::to_string(pos) + "/" + std::to_string(max)); };
    hooks.focusFind = [this] { calls.push_back("focus find"); };
    hooks.focusReplace = [this] { calls.push_back("focus replace"); };
    hooks.focusFolderBox = [this] { calls.push_back("focus folder"); };
  }

  std::string PackageFile(const std::string& name) const { return std::string(kFolder) + "\\" + name + ".vgp"; }

  void AddPackage(const std::string& name, const std::string& installer) {
    TestPackageSpec spec;
    spec.installer = installer;
    spec.description = "Пакет " + name;
    spec.commandLine = "/S";
    ASSERT_TRUE(WriteTestPackage(fs, codepage, PackageFile(name), spec));
  }

  // The package file as it is stored now; nullopt when it is not a sound package.
  std::optional<PackageImage> Stored(const std::string& name) const {
    return ReadTestPackage(fs, codepage, PackageFile(name));
  }
  // The installer path as the file stores it now; "?" when the file is not a sound package.
  std::string StoredPath(const std::string& name) const {
    const std::optional<PackageImage> pkg = Stored(name);
    return pkg ? pkg->ReadExePath() : "?";
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

  EditorHooks hooks;
  std::unique_ptr<BatchEditorModel> model;
  std::vector<std::string> calls;
};

}  // namespace velgaro::test
