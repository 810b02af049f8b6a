// Files read in turn as they are taken: what every file system does unless it reads ahead.
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

std::unique_ptr<FileQueue> FileSystem::ReadInTurn(std::vector<std::string> paths) const {
  return std::make_unique<ReadWhenTaken>(*this, std::move(paths));
}

}  // namespace velgaro
