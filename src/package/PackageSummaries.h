// What the package list and the batch editor show of a package file, kept for the files of the package
// folder: a file is read again only when the folder's listing says it was written since it was read.
// Opening a file is what reading a folder of packages costs (under Wine far more than the reading), so a
// folder read again after an edit, a recording or a reload opens only the files that changed.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "package/PackageImage.h"
#include "platform/Ports.h"

namespace velgaro {

// The fields of a package file that the lists show, as stored (no variable expanded, nothing checked).
struct StoredSummary {
  bool sound = false;          // false: the file is not a package that can be read
  std::string exePath;         // the installer path as stored
  std::string description;     // cut at its first NUL
  bool defSelect = false;
};

// Loads the package and takes its summary; nullopt when the file is not there (a file that is there but
// cannot be read is a summary that is not sound).
std::optional<StoredSummary> ReadStoredSummary(const Codepage& codepage, const FileSystem& fs,
                                               const std::string& path);
// The same for the file's content read by the caller (nullopt: it could not be read).
std::optional<StoredSummary> StoredSummaryOf(const Codepage& codepage, std::optional<Bytes> file,
                                             const FileSystem& fs, const std::string& path);

class PackageSummaries {
 public:
  // A new listing of folder: the files it no longer holds (every file, when the folder is another one)
  // are forgotten, and the listed sizes and write times decide which summaries still hold.
  // meanwhile, when given, is called every few thousand files.
  void Listed(const std::string& folder, const std::vector<FolderEntry>& files,
              const std::function<void()>& meanwhile = {});
  // The summary of a file of the last listing (its name as listed), read unless it was read before at the
  // size and write time listed now. Null when the file is gone.
  std::shared_ptr<const StoredSummary> Summary(const Codepage& codepage, const FileSystem& fs,
                                               const std::string& name);
  // Whether Summary would read the file now.
  bool NeedsRead(const std::string& name) const;
  // Summary for a file whose content the caller has read (file: nullopt when it could not be read).
  std::shared_ptr<const StoredSummary> Take(const Codepage& codepage, const FileSystem& fs,
                                            const std::string& name, std::optional<Bytes> file);
  // The path of a listed file.
  std::string PathOf(const std::string& name) const;
  // The next Summary of this file reads it.
  void Forget(const std::string& name);
  const std::string& Folder() const { return folder_; }
  // Files read by Summary so far.
  std::size_t Reads() const { return reads_; }

 private:
  struct Stamp {
    std::uint64_t size = 0;
    std::uint64_t modified = 0;
    bool operator==(const Stamp& o) const { return size == o.size && modified == o.modified; }
  };
  struct Kept {
    Stamp listed;
    Stamp read;
    std::shared_ptr<const StoredSummary> summary;
    std::uint64_t listing = 0;   // the last listing that named the file
  };

  std::string folder_;
  std::unordered_map<std::string, Kept> files_;   // by file name as listed
  std::uint64_t listing_ = 0;
  std::size_t reads_ = 0;
};

}  // namespace velgaro
