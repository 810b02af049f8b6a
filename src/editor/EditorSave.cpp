// Writing the new installer paths into the ticked packages.
#include <utility>

#include "editor/BatchEditor.h"
#include "platform/BusyScope.h"
#include "editor/EditorTexts.h"
#include "package/SavePackage.h"

namespace velgaro {

void BatchEditorModel::SaveRow(const EditorRow& row, const std::string& file, const std::string& newPath,
                               EditorSaveReport& report) {
  using Reason = EditorSaveFailure::Reason;
  PackageImage pkg(d_.packageText);
  FileSystem& fs = d_.platform.fs;
  // Whatever happens below, the next listing reads this file again.
  d_.summaries.Forget(ListedName(row.name));
  if (!pkg.LoadPackage(fs, file)) {
    report.failed.push_back({row.name, file, pkg.Damaged() ? Reason::Damaged : Reason::Unreadable});
    return;
  }
  if (!pkg.ReplaceExePath(newPath)) {
    report.failed.push_back({row.name, file, Reason::Damaged});
    return;
  }
  std::string target = file;
  // The safe write: the old file is replaced only once the new one is complete.
  if (SavePackageAs(SavePackageContext{pkg, d_.language, d_.platform.dialogs, fs, folder_}, owner_, target)) {
    report.saved.push_back(target);
  } else {
    report.failed.push_back({row.name, target, Reason::NotWritten});
  }
}

EditorSaveReport BatchEditorModel::Save() {
  EditorSaveReport report;
  if (busy_) return report;
  {
    BusyScope busy(busy_);
    const int n = static_cast<int>(rows_.size());
    ShowProgress(true);
    for (int i = 0; i < n; ++i) {
      const EditorRow& row = rows_[static_cast<std::size_t>(i)];
      if (!row.ticked || Trim(row.newPath).empty()) continue;
      const std::string file = PackagePath(row.name);
      if (!FileExists(d_.platform.fs, file)) continue;   // vanished meanwhile: nothing to change
      const std::string newPath = autoReplace_ ? d_.paths.CollapsePathVariables(row.newPath) : row.newPath;
      if (Trim(newPath).empty()) continue;
      MoveProgress(i + 1, n);
      ++report.counted;
      SaveRow(row, file, newPath, report);
    }
    ShowProgress(false);
  }

  bool listed = true;
  if (report.counted == 0) {
    toSave_ = 0;
  } else {
    // The rows that could not be written keep their new path, so nothing the user did is lost.
    std::vector<std::pair<std::string, std::string>> pending;
    for (const EditorSaveFailure& failure : report.failed) {
      for (const EditorRow& row : rows_) {
        if (row.name == failure.name) pending.emplace_back(row.name, row.newPath);
      }
    }
    // Reload so that column 2 shows what is stored now.
    listed = OpenFolder(folder_);
    for (const auto& [name, newPath] : pending) {
      for (EditorRow& row : rows_) {
        if (row.name != name) continue;
        row.newPath = newPath;
        row.bold = true;
        row.ticked = true;
      }
    }
    RecountChanges();
    if (hooks_.focusFind) hooks_.focusFind();
  }
  // A folder that could no longer be listed keeps its error in view.
  if (listed) status_ = EditorTextParam(d_.language, kEditorSaved, std::to_string(report.saved.size()));
  saved_ = report.failed.empty();
  return report;
}

}  // namespace velgaro
