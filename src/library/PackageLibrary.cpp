#include "library/PackageLibrary.h"

#include <algorithm>

#include "engine/PlayerTexts.h"
#include "library/LibraryTexts.h"
#include "package/OrderFile.h"
#include "platform/TextFold.h"

namespace velgaro {
namespace {

constexpr std::size_t kExtensionLength = 4;   // ".vgp"
// While a big folder's rows are prepared, the window is let through this often.
constexpr std::size_t kRowsBetweenCalls = 4096;

bool HasPackageExtension(const std::string& name) {
  return name.size() > kExtensionLength && ToLowerAscii(name.substr(name.size() - kExtensionLength)) == ".vgp";
}

// Lets the window through now and then while a big folder is listed and ordered (a hundred thousand
// names take a while), through the progress's Meanwhile; nothing without a progress.
class Pacer {
 public:
  explicit Pacer(LibraryProgress* progress) : progress_(progress) {}
  void Now() const {
    if (progress_) progress_->Meanwhile();
  }
  // Once per row of a loop.
  void Row() {
    if (progress_ && ++rows_ % kRowsBetweenCalls == 0) progress_->Meanwhile();
  }
  std::function<void()> Callback() const {
    if (!progress_) return {};
    LibraryProgress* progress = progress_;
    return [progress] { progress->Meanwhile(); };
  }

 private:
  LibraryProgress* progress_;
  std::size_t rows_ = 0;
};

// std::sort in parts, merged part by part, with the window let through in between.
template <typename Less>
void SortInParts(std::vector<std::size_t>& order, Less less, Pacer& pacer) {
  const auto at = [&](std::size_t i) { return order.begin() + static_cast<std::ptrdiff_t>(std::min(i, order.size())); };
  for (std::size_t begin = 0; begin < order.size(); begin += kRowsBetweenCalls) {
    std::sort(at(begin), at(begin + kRowsBetweenCalls), less);
    pacer.Now();
  }
  for (std::size_t width = kRowsBetweenCalls; width < order.size(); width *= 2) {
    for (std::size_t begin = 0; begin + width < order.size(); begin += 2 * width) {
      std::inplace_merge(at(begin), at(begin + width), at(begin + 2 * width), less);
      pacer.Now();
    }
  }
}

}  // namespace

bool IsPlainPackageName(const std::string& text) {
  if (text.empty() || text == "." || text == "..") return false;
  return text.find_first_of("\\/:") == std::string::npos && text.find('\0') == std::string::npos;
}

std::string PackageLibrary::ListedName(const std::string& text) const {
  const auto it = listedNames_.find(text);
  return it == listedNames_.end() ? text + ".VGP" : it->second;
}

std::string PackageLibrary::ListedPath(const std::string& text) const {
  return AddBackslash(folder_) + ListedName(text);
}

std::optional<std::vector<PackageLibrary::ListedPackage>> PackageLibrary::PackageNames(
    std::vector<FolderEntry>* entries, LibraryProgress* progress) const {
  if (folder_.empty()) return std::nullopt;
  Pacer pacer(progress);
  std::optional<std::vector<FolderEntry>> files = d_.fs.ListFileEntries(folder_, "*.vgp", pacer.Callback());
  if (!files) return std::nullopt;
  // The alphabetical order of a file list: without regard to case. Each name is folded once, and the
  // sort moves indexes, not names.
  std::vector<ListedPackage> listed;
  std::vector<std::string> folded;
  listed.reserve(files->size());
  folded.reserve(files->size());
  // The pattern may also match longer extensions (through short names); the list is of ".vgp" files only.
  for (const FolderEntry& file : *files) {
    pacer.Row();
    if (!HasPackageExtension(file.name)) continue;
    listed.push_back(ListedPackage{file.name.substr(0, file.name.size() - kExtensionLength), file.name});
    folded.push_back(FoldCase(listed.back().text));
  }
  std::vector<std::size_t> order(listed.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  SortInParts(
      order,
      [&](std::size_t a, std::size_t b) {
        return folded[a] != folded[b] ? folded[a] < folded[b] : listed[a].text < listed[b].text;
      },
      pacer);
  std::vector<ListedPackage> names;
  names.reserve(listed.size());
  for (std::size_t i : order) {
    names.push_back(std::move(listed[i]));
    pacer.Row();
  }
  if (entries != nullptr) *entries = std::move(*files);
  return names;
}

bool PackageLibrary::LoadListView(LibraryProgress* progress) {
  std::vector<FolderEntry> entries;
  std::optional<std::vector<ListedPackage>> names = PackageNames(&entries, progress);
  if (!names) {
    rows_.clear();
    listedNames_.clear();
    folder_.clear();
    return false;
  }
  Pacer pacer(progress);
  d_.summaries.Listed(folder_, entries, pacer.Callback());
  entries = std::vector<FolderEntry>();
  std::vector<std::string> texts;
  std::unordered_map<std::string, std::string> listed;
  texts.reserve(names->size());
  listed.reserve(names->size());
  for (ListedPackage& package : *names) {
    texts.push_back(package.text);
    listed[std::move(package.text)] = std::move(package.fileName);
    pacer.Row();
  }
  ApplyOrderFile(texts, progress);
  std::vector<LibraryRow> rows(texts.size());
  for (std::size_t i = 0; i < texts.size(); ++i) {
    rows[i].text = std::move(texts[i]);
    pacer.Row();
  }
  rows_.swap(rows);
  listedNames_.swap(listed);
  pacer.Now();
  // The old rows go here, once the new ones are shown.
  rows = std::vector<LibraryRow>();
  listed = std::unordered_map<std::string, std::string>();
  pacer.Now();
  return true;
}

void PackageLibrary::LoadPositionLV() {
  std::vector<std::string> texts;
  texts.reserve(rows_.size());
  for (const LibraryRow& row : rows_) texts.push_back(row.text);
  ApplyOrderFile(texts);
  for (std::size_t i = 0; i < rows_.size(); ++i) rows_[i].text = std::move(texts[i]);
}

void PackageLibrary::ApplyOrderFile(std::vector<std::string>& texts, LibraryProgress* progress) const {
  if (texts.empty() || folder_.empty()) return;
  const Pacer pacer(progress);
  const std::optional<std::vector<std::string>> lines = ReadOrderFile(d_.fs, d_.codepage, folder_);
  if (!lines || lines->empty()) return;
  pacer.Now();
  ApplySavedOrder(texts, *lines, pacer.Callback());
  pacer.Now();
}

std::string PackageLibrary::PackagePath(const std::string& text) const { return AddBackslash(folder_) + text + ".VGP"; }

void PackageLibrary::ApplySummary(std::size_t index, const std::shared_ptr<const StoredSummary>& summary,
                                  Installers& installers) {
  LibraryRow& row = rows_[index];
  if (!summary) {
    // Only the description says so; the other columns stay as they were.
    row.note = LibraryRow::Note::FileMissing;
    row.summary.reset();
    return;
  }
  if (!summary->sound) {
    // A damaged file is named as the player names it; nothing of it is shown as if it were sound.
    row.presence = LibraryRow::Presence::None;
    row.note = LibraryRow::Note::Damaged;
    row.path.clear();
    row.summary.reset();
    return;
  }
  auto [it, added] = installers.try_emplace(summary->exePath, Installer{index, false});
  const Installer& installer = it->second;
  if (added) {
    row.path = d_.paths.ExpandPathVariables(summary->exePath, d_.fs);
    it->second.exists = FileExists(d_.fs, row.path);
  } else {
    row.path = rows_[installer.row].path;
  }
  if (!installer.exists) {
    row.presence = LibraryRow::Presence::Missing;
    row.note = LibraryRow::Note::InstallerMissing;
    row.summary.reset();
    return;
  }
  row.presence = LibraryRow::Presence::Found;
  row.note = LibraryRow::Note::Description;
  row.checked = summary->defSelect;
  row.summary = summary;
}

std::string PackageLibrary::CellText(const LibraryRow& row, int column) const {
  switch (column) {
    case 0:
      return row.text;
    case 1:
      if (row.presence == LibraryRow::Presence::Found) return "Ok";
      return row.presence == LibraryRow::Presence::Missing ? MainText(d_.language, kMainNotFound) : std::string();
    case 2:
      switch (row.note) {
        case LibraryRow::Note::None: return std::string();
        case LibraryRow::Note::Description: return row.summary ? row.summary->description : std::string();
        case LibraryRow::Note::InstallerMissing: return MainText(d_.language, kMainInstallerMissing);
        case LibraryRow::Note::FileMissing: return MainText(d_.language, kMainFileMissing);
        case LibraryRow::Note::Damaged: {
          const std::string name = row.text + ".vgp";
          return d_.language.LangTextParam(StelsDefault(kTextPackageDamaged) + name, kStelsSection,
                                           kTextPackageDamaged, name);
        }
      }
      return std::string();
    case 3:
      return row.path;
    default:
      return std::string();
  }
}

void PackageLibrary::LoadTipTextLV(LibraryProgress* progress) {
  if (rows_.empty()) return;
  const int n = static_cast<int>(rows_.size());
  if (progress) progress->Begin(n);
  const std::string of = " " + std::to_string(n);
  {
    Pacer pacer(progress);
    // The files to open, in the order of the rows; the others were read before and not written since.
    std::vector<const std::string*> names;
    std::vector<char> toRead;
    std::vector<std::string> paths;
    names.reserve(rows_.size());
    toRead.reserve(rows_.size());
    for (const LibraryRow& row : rows_) {
      const auto listed = listedNames_.find(row.text);
      names.push_back(listed != listedNames_.end() ? &listed->second : nullptr);
      toRead.push_back(names.back() == nullptr || d_.summaries.NeedsRead(*names.back()) ? 1 : 0);
      if (toRead.back()) paths.push_back(ListedPath(row.text));
      pacer.Row();
    }
    const std::unique_ptr<FileQueue> files = d_.fs.ReadInTurn(std::move(paths));
    Installers installers;
    for (int k = 1; k <= n; ++k) {
      const auto i = static_cast<std::size_t>(k - 1);
      if (progress) progress->Step(k, n, MainTextParam(d_.language, kMainLoading, std::to_string(k)) + of);
      const std::string name = names[i] != nullptr ? *names[i] : ListedName(rows_[i].text);
      ApplySummary(i,
                   toRead[i] ? d_.summaries.Take(d_.codepage, d_.fs, name, files->Next())
                             : d_.summaries.Summary(d_.codepage, d_.fs, name),
                   installers);
    }
  }   // what the read needed goes here, before the window hears of the end
  if (progress) progress->Meanwhile();
  if (progress) progress->End();
}

void PackageLibrary::ReReadRow(std::size_t row) {
  if (row >= rows_.size()) return;
  LibraryRow& r = rows_[row];
  const bool checked = r.checked;
  // The program has just written this file: it is read whatever its listing would say.
  d_.summaries.Forget(ListedName(r.text));
  std::optional<StoredSummary> read = ReadStoredSummary(d_.codepage, d_.fs, ListedPath(r.text));
  const std::shared_ptr<const StoredSummary> summary =
      read ? std::make_shared<const StoredSummary>(std::move(*read)) : nullptr;
  Installers installers;
  ApplySummary(row, summary, installers);
  r.checked = checked;
}

bool PackageLibrary::SavePositionList() {
  if (rows_.empty() || folder_.empty()) return false;
  std::vector<std::string> names;
  names.reserve(rows_.size());
  for (const LibraryRow& row : rows_) names.push_back(row.text);
  return WriteOrderFile(d_.fs, d_.codepage, folder_, names);
}

bool PackageLibrary::IsEqualList() const {
  const std::optional<std::vector<ListedPackage>> names = PackageNames();
  if (!names || names->size() != rows_.size()) return false;
  std::vector<std::string> shown;
  shown.reserve(rows_.size());
  for (const LibraryRow& row : rows_) shown.push_back(row.text);
  std::sort(shown.begin(), shown.end());
  for (const ListedPackage& listed : *names) {
    if (!std::binary_search(shown.begin(), shown.end(), listed.text)) return false;
  }
  return true;
}

int PackageLibrary::CheckedCount() const {
  return static_cast<int>(std::count_if(rows_.begin(), rows_.end(), [](const LibraryRow& r) { return r.checked; }));
}

void PackageLibrary::ListSelectAll() {
  for (LibraryRow& row : rows_) row.checked = true;
}

void PackageLibrary::ListUnSelect() {
  for (LibraryRow& row : rows_) row.checked = false;
}

void PackageLibrary::ListInvertSel() {
  for (LibraryRow& row : rows_) row.checked = !row.checked;
}

void PackageLibrary::Invert(std::size_t row) {
  if (row < rows_.size()) rows_[row].checked = !rows_[row].checked;
}

void PackageLibrary::Exchange(std::size_t a, std::size_t b) {
  // The whole row moves: check box, texts and columns; the highlight goes with the moved row.
  std::swap(rows_[a], rows_[b]);
}

bool PackageLibrary::MoveUpLV() {
  const auto s = std::find_if(rows_.begin(), rows_.end(), [](const LibraryRow& r) { return r.selected; });
  if (s == rows_.end() || s == rows_.begin()) return false;
  const auto i = static_cast<std::size_t>(s - rows_.begin());
  Exchange(i, i - 1);
  return true;
}

bool PackageLibrary::MoveDownLV() {
  const auto s = std::find_if(rows_.begin(), rows_.end(), [](const LibraryRow& r) { return r.selected; });
  if (s == rows_.end() || s + 1 == rows_.end()) return false;
  const auto i = static_cast<std::size_t>(s - rows_.begin());
  Exchange(i, i + 1);
  return true;
}

PackageLibrary::Deletion PackageLibrary::DeleteChecked(LibraryProgress* progress) {
  Deletion result;
  for (const LibraryRow& row : rows_) {
    if (!row.checked) continue;
    ++result.checked;
    // Only a file of the folder goes: a row text that would lead elsewhere is not followed.
    if (!IsPlainPackageName(row.text)) continue;
    const std::string path = ListedPath(row.text);
    if (!d_.fs.IsDirectory(path) && d_.fs.Remove(path)) ++result.deleted;
  }
  LoadListView(progress);
  LoadTipTextLV(progress);
  return result;
}

std::vector<std::string> PackageLibrary::PutVGParray() const {
  std::vector<std::string> list{""};
  for (const LibraryRow& row : rows_) {
    if (row.checked) list.push_back(PackagePath(row.text));
  }
  return list;
}

std::vector<std::string> PackageLibrary::AllPackagesRunList() const {
  std::vector<std::string> list{""};
  for (const LibraryRow& row : rows_) list.push_back(PackagePath(row.text));
  return list;
}

}  // namespace velgaro
