// Choosing the package folder: the folder browser, the recent folders, the folder box, a drop on the list.
#include "library/MainWindowModel.h"

#include "app/PortableSettings.h"
#include "app/ProductName.h"
#include "app/SettingKeys.h"
#include "library/LibraryTexts.h"

namespace velgaro {
namespace {

const char kCrLf[] = "\r\n";

bool IsInstallerName(const std::string& path) {
  if (path.size() < 4) return false;
  const std::string ext = ToLowerAscii(path.substr(path.size() - 4));
  return ext == ".exe" || ext == ".bat" || ext == ".reg" || ext == ".msi" || ext == ".cmd";
}

bool IsPackageName(const std::string& path) {
  return path.size() >= 4 && ToLowerAscii(path.substr(path.size() - 4)) == ".vgp";
}

}  // namespace

void MainWindowModel::StoreFolder(const std::string& folder) {
  Platform& p = app_.platform;
  p.settings.Set(settings::kPath, settings::kFolderVgp, folder);
  if (app_.PortableMode) {
    WriteIniSetting(p, view_.panels[1], settings::kIniVgpFolder, app_.paths.CollapsePathVariables(folder));
  }
}

void MainWindowModel::ChooseFolderVGP() {
  if (busy_) return;
  const std::string chosen =
      app_.platform.dialogs.BrowseForFolder(owner_, Text(kMainBrowseTitle), library_.Folder());
  if (chosen.empty()) return;
  OpenFolder(chosen);
}

void MainWindowModel::OpenFolder(const std::string& folder) {
  if (!ScanFolder(folder)) {
    EnableNewInstall(false);
    CheckCountLV();
    ShowScanError();
    app_.platform.dialogs.MessageBox(
        owner_, Text(kMainFolderError) + kCrLf + Text(kMainPathNotFound) + kCrLf + folder, kProductName, kMbIconStop);
    return;
  }
  StoreFolder(folder);
  EnableNewInstall(true);
  recent_.MoveVGPRegister(0, folder, app_.platform.settings);
  CheckCountLV();
}

void MainWindowModel::OpenRecentFolder(int item) {
  if (busy_) return;
  if (item < 1 || item > recent_.VisibleCount()) return;
  OpenFolder(recent_.Caption(item));
}

bool MainWindowModel::FolderButton() {
  if (busy_) return false;
  if (!recent_.Caption(1).empty()) return true;
  ChooseFolderVGP();
  return false;
}

void MainWindowModel::TakeFolder(const std::string& folder) {
  if (ScanFolder(folder)) {
    StoreFolder(folder);
    EnableNewInstall(true);
    recent_.MoveVGPRegister(0, folder, app_.platform.settings);
    CheckCountLV();
    return;
  }
  // A path that exists but is no folder to list: no package folder, and the reason stays in view.
  EnableNewInstall(false);
  CheckCountLV();
  ShowScanError();
}

void MainWindowModel::FolderTyped(const std::string& typed) {
  if (busy_) return;
  std::string text = typed;
  const std::size_t at = FindNoCase(text, "%SystemRoot%");
  if (at != std::string::npos) {
    text.replace(at, std::string("%SystemRoot%").size(), app_.platform.sys.EnvironmentVariable("SystemRoot"));
  }
  view_.folderText = text;
  if (!text.empty() && FileExists(app_.platform.fs, text)) {
    TakeFolder(text);
    if (!library_.Folder().empty()) view_.panels[1] = Text(kMainFolderLoaded);
    return;
  }
  library_.Clear();
  library_.SetFolder("");
  EnableNewInstall(false);
  CheckCountLV();
  view_.panels[1] = Text(kMainPathRetry);
  app_.platform.dialogs.MessageBox(owner_, Text(kMainPathNotFound), Text(kMainError), kMbIconExclamation);
  if (hooks_.focusFolderBox) hooks_.focusFolderBox();
}

void MainWindowModel::Drop(const std::vector<std::string>& paths) {
  if (busy_) return;
  if (paths.empty()) return;
  const std::string& path = paths.front();
  FileSystem& fs = app_.platform.fs;
  if (!FileExists(fs, path) || path == "-") {
    view_.panels[1] = Text(kMainNothingThere) + " - " + path;
    return;
  }
  if (IsFolder(fs, path)) {
    view_.folderText = path;
    TakeFolder(path);
    return;
  }
  // A package file opens its folder, as the shell's Open command of a package does.
  if (IsPackageName(path)) {
    const std::string folder = ParentFolder(path);
    view_.folderText = folder;
    TakeFolder(folder);
    return;
  }
  if (!view_.newInstallEnabled) {
    view_.panels[1] = Text(kMainChooseSaveFolder);
    return;
  }
  if (IsInstallerName(path)) NewPackage(app_.paths.CollapsePathVariables(path), FileTitle(path));
}

void MainWindowModel::Reload() {
  if (busy_) return;
  if (IsFolder(app_.platform.fs, library_.Folder()) && ScanFolder(library_.Folder())) {
    if (!library_.Rows().empty()) MarkRow(1);
    CheckCountLV();
    return;
  }
  CheckCountLV();
  view_.panels[1] = Text(kMainFolderError);
  view_.panels[0].clear();
  app_.platform.dialogs.MessageBox(owner_, Text(kMainFolderError), kProductName, kMbIconStop);
}

bool MainWindowModel::VerifyFolderVGP() {
  if (!library_.Folder().empty()) return true;
  const Language& lang = app_.language;
  app_.platform.dialogs.MessageBox(
      owner_, MainTextAffix(lang, kMainNoFurtherWork, ".") + kCrLf + MainTextAffix(lang, kMainChooseSaveFolder, "."),
      Text(kMainAttention), kMbIconExclamation);
  return false;
}

void MainWindowModel::NewPackage(const std::string& exePath, const std::string& name) {
  if (busy_) return;
  if (!VerifyFolderVGP()) return;
  app_.RecordMode = true;
  propertiesMode_ = false;
  library_.SavePositionList();
  if (hooks_.openNewPackage) hooks_.openNewPackage(exePath, name);
}

}  // namespace velgaro
