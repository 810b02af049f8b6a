// The editor's start, its package folder and its closing.
#include "editor/BatchEditor.h"

#include "app/PortableSettings.h"
#include "app/ProductName.h"
#include "app/SettingKeys.h"
#include "editor/EditorTexts.h"
#include "library/LibraryTexts.h"

namespace velgaro {

EditorDeps EditorDepsOf(App& app) {
  return EditorDeps{app.platform, app.paths, app.PackageText(), app.language, app.summaries, app.PortableMode};
}

BatchEditorModel::BatchEditorModel(EditorDeps deps, EditorHooks hooks, WindowHandle owner)
    : d_(std::move(deps)), hooks_(std::move(hooks)), owner_(owner) {}

void BatchEditorModel::Load() { saved_ = true; }

void BatchEditorModel::LoadFromSetting() {
  if (busy_) return;
  const std::string stored = d_.platform.settings.Get(settings::kPath, settings::kFolderVgp, "");
  if (!stored.empty()) {
    OpenFolder(stored);
  } else {
    folderText_ = MainText(d_.language, kMainChooseFolder);
    status_ = folderText_;
  }
  if (hooks_.focusFind) hooks_.focusFind();
}

bool BatchEditorModel::OpenFolder(const std::string& folder) {
  folder_ = folder;
  folderText_ = folder;
  if (!LoadPackageRows()) return false;
  LoadTipText();
  return true;
}

void BatchEditorModel::StoreFolder(const std::string& folder, bool alsoIni) {
  d_.platform.settings.Set(settings::kPath, settings::kFolderVgp, folder);
  // The INI keeps the variable form, so a portable copy finds its folder on another drive letter.
  if (alsoIni && d_.portableMode) {
    WriteIniSetting(d_.platform, status_, settings::kIniVgpFolder, d_.paths.CollapsePathVariables(folder));
  }
}

void BatchEditorModel::ClearFindAndReplace() {
  find_.clear();
  replace_.clear();
}

void BatchEditorModel::ChoosePackageFolder() {
  if (busy_) return;
  const std::string chosen =
      d_.platform.dialogs.BrowseForFolder(owner_, MainText(d_.language, kMainBrowseTitle), folder_);
  if (chosen.empty()) return;
  // A folder that could not be listed is not stored: the main window would open on it next time.
  if (OpenFolder(chosen)) StoreFolder(chosen, true);
  ClearFindAndReplace();
}

void BatchEditorModel::FolderTyped(const std::string& text) {
  if (busy_) return;
  const std::string folder = Trim(text);
  folderText_ = text;
  if (IsFolder(d_.platform.fs, folder)) {
    if (OpenFolder(folder)) {
      // Unlike the folder browser, a typed folder goes to the per-user store only.
      StoreFolder(folder, false);
      status_ = MainText(d_.language, kMainFolderLoaded);
    }
  } else {
    rows_.clear();
    listed_.clear();
    total_ = changed_ = toSave_ = 0;
    saved_ = true;
    status_ = MainText(d_.language, kMainPathRetry);
    d_.platform.dialogs.MessageBox(owner_, MainText(d_.language, kMainPathNotFound),
                                   MainText(d_.language, kMainError), kMbIconExclamation);
    if (hooks_.focusFolderBox) hooks_.focusFolderBox();
  }
  ClearFindAndReplace();
}

bool BatchEditorModel::QueryClose() {
  if (busy_) return false;
  if (saved_) return true;
  return d_.platform.dialogs.MessageBox(owner_, AbortWizardText(d_.language), kProductName, kMbQuestionStyle) ==
         kIdYes;
}

void BatchEditorModel::ShowProgress(bool visible) const {
  if (hooks_.showProgress) hooks_.showProgress(visible);
}

void BatchEditorModel::MoveProgress(int pos, int max) const {
  if (hooks_.progress) hooks_.progress(pos, max);
}

}  // namespace velgaro
