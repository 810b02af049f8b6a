// Filling the editor's rows: the folder's packages, their saved order, their stored paths; sorting.
#include <algorithm>

#include "editor/BatchEditor.h"
#include "editor/EditorBusy.h"
#include "editor/EditorTexts.h"
#include "library/OrderFile.h"
#include "platform/TextFold.h"

namespace velgaro {
namespace {

constexpr std::size_t kExtensionLength = 4;   // ".vgp"

bool HasPackageExtension(const std::string& name) {
  return name.size() > kExtensionLength && ToLowerAscii(name.substr(name.size() - kExtensionLength)) == ".vgp";
}

// Names as a file list orders them: without regard to case.
bool ListOrder(const std::string& a, const std::string& b) {
  const std::string fa = FoldCase(a), fb = FoldCase(b);
  return fa != fb ? fa < fb : a < b;
}

const std::string& Column(const EditorRow& row, int key) {
  switch (key) {
    case 0: return row.name;
    case 1: return row.path;
    default: return row.newPath;
  }
}

}  // namespace

std::string BatchEditorModel::PackagePath(const std::string& name) const {
  // The name the listing gave: opening a file by a name in another case costs Wine a folder search.
  const auto it = listed_.find(name);
  return AddBackslash(folder_) + (it == listed_.end() ? name + ".VGP" : it->second);
}

bool BatchEditorModel::LoadPackageRows() {
  rows_.clear();
  listed_.clear();
  status_.clear();
  total_ = changed_ = toSave_ = 0;
  saved_ = true;   // fresh rows: nothing is pending
  std::optional<std::vector<std::string>> files;
  if (!folder_.empty()) files = d_.platform.fs.ListFiles(folder_, "*.vgp");
  if (!files) {
    folder_.clear();
    status_ = ModuleErrorText(d_.language, "LoadListView");
    return false;
  }
  std::vector<std::string> names;
  for (std::string& file : *files) {
    // The pattern may also match longer extensions (through short names).
    if (!HasPackageExtension(file)) continue;
    std::string name = file.substr(0, file.size() - kExtensionLength);
    names.push_back(name);
    listed_[std::move(name)] = std::move(file);
  }
  std::sort(names.begin(), names.end(), ListOrder);
  rows_.reserve(names.size());
  for (std::string& name : names) rows_.push_back(EditorRow{std::move(name), {}, {}, false, false});
  total_ = static_cast<int>(rows_.size());
  ApplySavedOrder();
  return true;
}

void BatchEditorModel::ApplySavedOrder() {
  if (rows_.empty() || folder_.empty()) return;
  const std::optional<std::vector<std::string>> lines =
      ReadOrderFile(d_.platform.fs, d_.platform.codepage, folder_);
  if (!lines || lines->empty()) return;
  std::vector<std::string> names;
  names.reserve(rows_.size());
  for (const EditorRow& row : rows_) names.push_back(row.name);
  velgaro::ApplySavedOrder(names, *lines);
  // Only names move, as the main window's list does it.
  for (std::size_t i = 0; i < rows_.size(); ++i) rows_[i].name = std::move(names[i]);
}

bool BatchEditorModel::ReplaceListItem(std::size_t oldItem, std::size_t nextItem) {
  if (oldItem >= rows_.size() || nextItem >= rows_.size()) return false;
  std::swap(rows_[oldItem].name, rows_[nextItem].name);
  return true;
}

void BatchEditorModel::LoadTipText() {
  if (rows_.empty()) return;
  EditorBusyScope busy(busy_);
  FileSystem& fs = d_.platform.fs;
  PackageImage& pkg = d_.package;
  const int n = static_cast<int>(rows_.size());
  ShowProgress(true);
  for (int i = 0; i < n; ++i) {
    EditorRow& row = rows_[static_cast<std::size_t>(i)];
    row.ticked = true;
    row.path.clear();
    MoveProgress(i, n);
    // A file gone since the listing does not open: its row stays without a path. (No separate
    // existence check: under Wine each costs as much as a small read.)
    if (!pkg.ReadPackageFile(fs, PackagePath(row.name))) continue;
    pkg.UnscramblePackage();
    if (!pkg.ReadHeader()) continue;
    std::string stored = pkg.ReadExePath();
    // A damaged package shows no path, so a search stops there instead of guessing.
    if (pkg.Damaged()) continue;
    row.path = autoReplace_ ? d_.paths.ExpandPathVariables(stored, fs) : std::move(stored);
  }
  ShowProgress(false);
}

void BatchEditorModel::SortListView(int column) {
  if (busy_ || column < 1 || column > 3) return;
  sortDescending_ = !sortDescending_;
  const int key = column - 1;
  const bool descending = sortDescending_;
  std::stable_sort(rows_.begin(), rows_.end(), [key, descending](const EditorRow& a, const EditorRow& b) {
    const std::string fa = FoldCase(Column(a, key)), fb = FoldCase(Column(b, key));
    return descending ? fb < fa : fa < fb;
  });
}

}  // namespace velgaro
