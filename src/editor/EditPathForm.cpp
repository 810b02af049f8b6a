#include "editor/EditPathForm.h"

#include "app/SettingKeys.h"
#include "library/NewPackageForm.h"

namespace velgaro {

EditPathForm::EditPathForm(EditPathDeps deps, std::string path, WindowHandle owner)
    : d_(deps), path_(std::move(path)), owner_(owner) {}

bool EditPathForm::Browse() {
  const std::string from = d_.settings.Get(settings::kPath, settings::kFolderBrowseExe, "c:\\");
  const std::string chosen = BrowseForInstaller(d_.language, d_.fs, d_.dialogs, owner_, from);
  // A cancelled dialog keeps the folder: the next browse starts where the last file was found.
  if (chosen.empty()) return false;
  path_ = d_.paths.CollapsePathVariables(chosen);
  d_.settings.Set(settings::kPath, settings::kFolderBrowseExe, ParentFolder(chosen));
  return true;
}

std::optional<std::string> EditPathForm::Ok() const {
  if (Trim(path_).empty()) return std::nullopt;
  return path_;
}

}  // namespace velgaro
