#include "package/PackageSummaries.h"

#include "package/paths/PathVariables.h"

namespace velgaro {
namespace {

constexpr std::uint64_t kSecond = 10000000;   // file times count 100-nanosecond steps
constexpr std::size_t kFilesBetweenCalls = 8192;

// A write time kept to the whole second (FAT keeps two seconds, some file systems one) cannot tell two
// writes within that second apart, so a summary read at such a time is never trusted to still hold.
bool CanTellWritesApart(std::uint64_t modified) { return modified % kSecond != 0; }

}  // namespace

std::optional<StoredSummary> ReadStoredSummary(const Codepage& codepage, const FileSystem& fs,
                                               const std::string& path) {
  return StoredSummaryOf(codepage, fs.ReadAll(path), fs, path);
}

std::optional<StoredSummary> StoredSummaryOf(const Codepage& codepage, std::optional<Bytes> file,
                                             const FileSystem& fs, const std::string& path) {
  StoredSummary summary;
  // The summary is the fields as stored: nothing read here expands a path variable.
  PackageImage image(PackageTextContext{codepage, {}});
  // Loading first spares the existence test of every sound package; a failed load tells which case it was.
  if (!image.LoadPackage(std::move(file)) || image.Damaged()) {
    if (!FileExists(fs, path)) return std::nullopt;
    return summary;
  }
  summary.exePath = image.ReadExePath();
  if (image.Damaged()) return StoredSummary{};
  summary.sound = true;
  summary.description = image.ReadDescription();
  summary.defSelect = image.options.defSelect;
  return summary;
}

void PackageSummaries::Listed(const std::string& folder, const std::vector<FolderEntry>& files,
                              const std::function<void()>& meanwhile) {
  if (folder != folder_) {
    files_.clear();
    folder_ = folder;
  }
  ++listing_;
  files_.reserve(files.size());
  std::size_t done = 0;
  for (const FolderEntry& file : files) {
    Kept& entry = files_[file.name];
    entry.listed = Stamp{file.size, file.modified};
    entry.listing = listing_;
    if (meanwhile && ++done % kFilesBetweenCalls == 0) meanwhile();
  }
  for (auto it = files_.begin(); it != files_.end();) it = it->second.listing == listing_ ? std::next(it) : files_.erase(it);
}

std::string PackageSummaries::PathOf(const std::string& name) const { return AddBackslash(folder_) + name; }

bool PackageSummaries::NeedsRead(const std::string& name) const {
  const auto it = files_.find(name);
  if (it == files_.end()) return true;
  const Kept& kept = it->second;
  return !kept.summary || !(kept.read == kept.listed) || !CanTellWritesApart(kept.listed.modified);
}

std::shared_ptr<const StoredSummary> PackageSummaries::Summary(const Codepage& codepage, const FileSystem& fs,
                                                               const std::string& name) {
  if (!NeedsRead(name)) return files_[name].summary;
  return Take(codepage, fs, name, fs.ReadAll(PathOf(name)));
}

std::shared_ptr<const StoredSummary> PackageSummaries::Take(const Codepage& codepage, const FileSystem& fs,
                                                            const std::string& name, std::optional<Bytes> file) {
  ++reads_;
  std::optional<StoredSummary> read = StoredSummaryOf(codepage, std::move(file), fs, PathOf(name));
  if (!read) {
    files_.erase(name);
    return nullptr;
  }
  // The stamp is the listing's: a write after it shows in the next listing and the file is read again.
  Kept& entry = files_[name];
  entry.summary = std::make_shared<const StoredSummary>(std::move(*read));
  entry.read = entry.listed;
  return entry.summary;
}

void PackageSummaries::Forget(const std::string& name) {
  const auto it = files_.find(name);
  if (it != files_.end()) it->second.summary.reset();
}

}  // namespace velgaro
