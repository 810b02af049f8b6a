// The find and replace over the rows' paths, the auto-replace box and the counters.
#include <algorithm>

#include "editor/BatchEditor.h"
#include "editor/EditorTexts.h"

namespace velgaro {
namespace {

bool IsBlank(const std::string& text) { return Trim(text).empty(); }

}  // namespace

void BatchEditorModel::SetAutoReplace(bool ticked) {
  if (busy_ || ticked == autoReplace_) return;
  autoReplace_ = ticked;
  // Column 3 keeps its form; Save brings it back to variable form when the box is ticked.
  for (EditorRow& row : rows_) {
    row.path = ticked ? d_.paths.ExpandPathVariables(row.path, d_.platform.fs)
                      : d_.paths.CollapsePathVariables(row.path);
  }
}

int BatchEditorModel::RunReplace() {
  if (busy_) return -1;
  const Language& lang = d_.language;
  Dialogs& dialogs = d_.platform.dialogs;
  if (IsBlank(find_)) {
    dialogs.MessageBox(owner_, EditorText(lang, kEditorEnterFind), EditorText(lang, kEditorFindError),
                       kMbIconExclamation);
    if (hooks_.focusFind) hooks_.focusFind();
    return -1;
  }
  if (IsBlank(replace_) && dialogs.MessageBox(owner_, EditorText(lang, kEditorEmptyReplace),
                                              EditorText(lang, kEditorFindError), kMbQuestionStyle) != kIdYes) {
    if (hooks_.focusReplace) hooks_.focusReplace();
    return -1;
  }
  if (rows_.empty()) return -1;

  int replaced = 0;
  for (EditorRow& row : rows_) {
    // A second run goes on from the proposed path, so it replaces the next occurrence.
    const std::string& current = IsBlank(row.newPath) ? row.path : row.newPath;
    if (current.empty()) break;   // a package without a path ends the search
    const std::size_t at = FindNoCase(current, find_);
    if (at == std::string::npos) continue;
    std::string next = current.substr(0, at) + replace_ + current.substr(at + find_.size());
    // A package must keep an installer to start: a replacement that leaves none is not applied.
    if (IsBlank(next)) continue;
    row.newPath = std::move(next);
    row.bold = true;
    ++replaced;
  }
  // One text, so that the count stays in view beside the hint.
  status_ = EditorTextParam(lang, kEditorResults, std::to_string(replaced)) + ". " +
            EditorText(lang, replaced > 0 ? kEditorPressSave : kEditorNoMatch);
  RecountChanges();
  saved_ = changed_ == 0;
  return replaced;
}

void BatchEditorModel::SetTicked(std::size_t row, bool ticked) {
  if (busy_ || row >= rows_.size()) return;
  rows_[row].ticked = ticked;
  RecountChanges();
}

std::optional<EditPathForm> BatchEditorModel::EditPath(std::size_t row) const {
  if (busy_ || row >= rows_.size()) return std::nullopt;
  const EditorRow& r = rows_[row];
  const Platform& p = d_.platform;
  return EditPathForm(EditPathDeps{d_.language, p.fs, p.settings, p.dialogs, d_.paths},
                      IsBlank(r.newPath) ? r.path : r.newPath, owner_);
}

bool BatchEditorModel::SetNewPath(std::size_t row, const std::string& path) {
  if (busy_ || row >= rows_.size() || IsBlank(path)) return false;
  EditorRow& r = rows_[row];
  // An OK without an edit must not mark a package as changed and have it rewritten.
  const bool stored = path == r.path;
  r.newPath = stored ? std::string() : path;
  r.bold = !stored;
  RecountChanges();
  saved_ = changed_ == 0;
  return true;
}

void BatchEditorModel::RecountChanges() {
  changed_ = 0;
  toSave_ = 0;
  for (const EditorRow& row : rows_) {
    if (IsBlank(row.newPath)) continue;
    ++changed_;
    if (row.ticked) ++toSave_;
  }
}

}  // namespace velgaro
