#include "library/PackageLibrary.h"

#include <algorithm>

#include "engine/PlayerTexts.h"
#include "library/LibraryTexts.h"
#include "library/OrderFile.h"
#include "library/PackageSummary.h"
#include "platform/TextFold.h"

namespace velgaro {
namespace {

constexpr std::size_t kExtensionLength = 4;   // ".vgp"

bool HasPackageExtension(const std::string& name) {
  return name.size() > kExtensionLength && ToLowerAscii(name.substr(name.size() - kExtensionLength)) == ".vgp";
}

}  // namespace

bool IsPlainPackageName(const std::string& text) {
  if (text.empty() || text == "." || text == "..") return false;
  return text.find_first_of("\\/:") == std::string::npos && text.find('\0') == std::string::npos;
}

std::string PackageLibrary::ListedPath(const std::string& text) const {
  const auto it = listedNames_.find(text);
  return it == listedNames_.end() ? PackagePath(text) : AddBackslash(folder_) + it->second;
}

std::optional<std::vector<PackageLibrary::ListedPackage>> PackageLibrary::PackageNames() const {
  if (folder_.empty()) return std::nullopt;
  std::optional<std::vector<std::string>> files = d_.fs.ListFiles(folder_, "*.vgp");
  if (!files) return std::nullopt;
  std::vector<ListedPackage> names;
  names.reserve(files->size());
  // The pattern may also match longer extensions (through short names); the list is of ".vgp" files only.
  for (std::string& file : *files) {
    if (!HasPackageExtension(file)) continue;
    std::string text = file.substr(0, file.size() - kExtensionLength);
    names.push_back(ListedPackage{std::move(text), std::move(file)});
  }
  // The alphabetical order of a file list: without regard to case.
  std::sort(names.begin(), names.end(), [](const ListedPackage& a, const ListedPackage& b) {
    const std::string fa = FoldCase(a.text), fb = FoldCase(b.text);
    return fa != fb ? fa < fb : a.text < b.text;
  });
  return names;
}

bool PackageLibrary::LoadListView() {
  rows_.clear();
  listedNames_.clear();
  std::optional<std::vector<ListedPackage>> names = PackageNames();
  if (!names) {
    folder_.clear();
    return false;
  }
  rows_.reserve(names->size());
  for (ListedPackage& listed : *names) {
    LibraryRow row;
    row.text = listed.text;
    listedNames_[listed.text] = std::move(listed.fileName);
    rows_.push_back(std::move(row));
  }
  LoadPositionLV();
  return true;
}

void PackageLibrary::LoadPositionLV() {
  if (rows_.empty() || folder_.empty()) return;
  const std::optional<std::vector<std::string>> lines = ReadOrderFile(d_.fs, d_.codepage, folder_);
  if (!lines || lines->empty()) return;
  std::vector<std::string> texts;
  texts.reserve(rows_.size());
  for (const LibraryRow& row : rows_) texts.push_back(row.text);
  ApplySavedOrder(texts, *lines);
  for (std::size_t i = 0; i < rows_.size(); ++i) rows_[i].text = std::move(texts[i]);
}

std::string PackageLibrary::PackagePath(const std::string& text) const { return AddBackslash(folder_) + text + ".VGP"; }

void PackageLibrary::ApplySummary(LibraryRow& row, const std::string& packagePath) {
  const PackageSummary summary = ReadPackageSummary(d_.package, d_.fs, d_.paths, packagePath);
  row.installerMissing = false;
  switch (summary.state) {
    case PackageSummary::State::FileMissing:
      row.description = MainText(d_.language, kMainFileMissing);
      return;
    case PackageSummary::State::Damaged: {
      // A damaged file is named as the player names it; nothing of it is shown as if it were sound.
      const std::string name = row.text + ".vgp";
      row.presence.clear();
      row.description = d_.language.LangTextParam(StelsDefault(kTextPackageDamaged) + name, kStelsSection,
                                                  kTextPackageDamaged, name);
      row.path.clear();
      return;
    }
    case PackageSummary::State::InstallerMissing:
      row.presence = MainText(d_.language, kMainNotFound);
      row.description = MainText(d_.language, kMainInstallerMissing);
      row.path = summary.installerPath;
      row.installerMissing = true;
      return;
    case PackageSummary::State::Ok:
      row.presence = "Ok";
      row.description = summary.description;
      row.path = summary.installerPath;
      row.checked = summary.defSelect;
      return;
  }
}

void PackageLibrary::LoadTipTextLV(LibraryProgress* progress) {
  if (rows_.empty()) return;
  const int n = static_cast<int>(rows_.size());
  if (progress) progress->Begin(n);
  const std::string of = " " + std::to_string(n);
  for (int k = 1; k <= n; ++k) {
    LibraryRow& row = rows_[static_cast<std::size_t>(k - 1)];
    if (progress) progress->Step(k, n, MainTextParam(d_.language, kMainLoading, std::to_string(k)) + of);
    ApplySummary(row, ListedPath(row.text));
  }
  if (progress) progress->End();
}

void PackageLibrary::ReReadRow(std::size_t row) {
  if (row >= rows_.size()) return;
  LibraryRow& r = rows_[row];
  const bool checked = r.checked;
  ApplySummary(r, ListedPath(r.text));
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
  LoadListView();
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
