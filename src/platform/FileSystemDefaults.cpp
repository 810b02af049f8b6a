// What every file system does the same way, unless it does better: names listed from the entries, and
// files read in turn as they are taken.
#include "platform/Ports.h"

namespace velgaro {
namespace {

class ReadWhenTaken final : public FileQueue {
 public:
  ReadWhenTaken(const FileSystem& fs, std::vector<std::string> paths) : fs_(fs), paths_(std::move(paths)) {}
  std::optional<Bytes> Next() override {
    if (next_ >= paths_.size()) return std::nullopt;
    return fs_.ReadAll(paths_[next_++]);
  }

 private:
  const FileSystem& fs_;
  std::vector<std::string> paths_;
  std::size_t next_ = 0;
};

}  // namespace

std::optional<std::vector<std::string>> FileSystem::ListFiles(const std::string& folder,
                                                              const std::string& pattern) const {
  std::optional<std::vector<FolderEntry>> entries = ListFileEntries(folder, pattern);
  if (!entries) return std::nullopt;
  std::vector<std::string> names;
  names.reserve(entries->size());
  for (FolderEntry& entry : *entries) names.push_back(std::move(entry.name));
  return names;
}

std::unique_ptr<FileQueue> FileSystem::ReadInTurn(std::vector<std::string> paths) const {
  return std::make_unique<ReadWhenTaken>(*this, std::move(paths));
}

}  // namespace velgaro
