// Filling the editor's rows: the folder's packages, their saved order, their stored paths; sorting.
#include <algorithm>

#include "editor/BatchEditor.h"
#include "platform/BusyScope.h"
#include "editor/EditorTexts.h"
#include "package/OrderFile.h"
#include "platform/TextFold.h"

namespace velgaro {
namespace {

constexpr std::size_t kExtensionLength = 4;   // ".vgp"

bool HasPackageExtension(const std::string& name) {
  return name.size() > kExtensionLength && ToLowerAscii(name.substr(name.size() - kExtensionLength)) == ".vgp";
}

const std::string& Column(const EditorRow& row, int key) {
  switch (key) {
    case 0: return row.name;
    case 1: return row.path;
    default: return row.newPath;
  }
}

}  // namespace

std::string BatchEditorModel::ListedName(const std::string& name) const {
  // The name the listing gave: opening a file by a name in another case costs Wine a folder search.
  const auto it = listed_.find(name);
  return it == listed_.end() ? name + ".VGP" : it->second;
}

std::string BatchEditorModel::PackagePath(const std::string& name) const { return AddBackslash(folder_) + ListedName(name); }

bool BatchEditorModel::LoadPackageRows() {
  rows_.clear();
  listed_.clear();
  status_.clear();
  total_ = changed_ = toSave_ = 0;
  saved_ = true;   // fresh rows: nothing is pending
  std::optional<std::vector<FolderEntry>> files;
  if (!folder_.empty()) files = d_.platform.fs.ListFileEntries(folder_, "*.vgp");
  if (!files) {
    folder_.clear();
    status_ = ModuleErrorText(d_.language, "LoadListView");
    return false;
  }
  d_.summaries.Listed(folder_, *files);
  // Names as a file list orders them: without regard to case, each name folded once.
  std::vector<std::pair<std::string, std::string>> names;   // folded, name
  for (const FolderEntry& file : *files) {
    // The pattern may also match longer extensions (through short names).
    if (!HasPackageExtension(file.name)) continue;
    std::string name = file.name.substr(0, file.name.size() - kExtensionLength);
    names.emplace_back(FoldCase(name), name);
    listed_[std::move(name)] = file.name;
  }
  std::sort(names.begin(), names.end());
  rows_.reserve(names.size());
  for (auto& name : names) rows_.push_back(EditorRow{std::move(name.second), {}, {}, false, false});
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
  BusyScope busy(busy_);
  FileSystem& fs = d_.platform.fs;
  PackageSummaries& summaries = d_.summaries;
  const int n = static_cast<int>(rows_.size());
  // The files to open, in the order of the rows; the others were read before and not written since.
  std::vector<char> toRead;
  std::vector<std::string> paths;
  for (const EditorRow& row : rows_) {
    const std::string name = ListedName(row.name);
    toRead.push_back(summaries.NeedsRead(name) ? 1 : 0);
    if (toRead.back()) paths.push_back(summaries.PathOf(name));
  }
  const std::unique_ptr<FileQueue> files = fs.ReadInTurn(std::move(paths));
  ShowProgress(true);
  for (int i = 0; i < n; ++i) {
    EditorRow& row = rows_[static_cast<std::size_t>(i)];
    row.ticked = true;
    row.path.clear();
    MoveProgress(i, n);
    // A file gone since the listing has no summary, and a damaged package shows no path, so a search
    // stops there instead of guessing.
    const std::string name = ListedName(row.name);
    const std::shared_ptr<const StoredSummary> summary =
        toRead[static_cast<std::size_t>(i)] ? summaries.Take(d_.platform.codepage, fs, name, files->Next())
                                            : summaries.Summary(d_.platform.codepage, fs, name);
    if (!summary || !summary->sound) continue;
    row.path = autoReplace_ ? d_.paths.ExpandPathVariables(summary->exePath, fs) : summary->exePath;
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
