// Files and folders through the wide Win32 API.
#pragma once

#include "platform/Ports.h"

namespace velgaro::win32 {

class Win32FileSystem final : public FileSystem {
 public:
  bool Exists(const std::string& path) const override;
  bool IsDirectory(const std::string& path) const override;
  std::optional<Bytes> ReadAll(const std::string& path) const override;
  // Read ahead of the taker on two threads (ReadAheadQueue).
  std::unique_ptr<FileQueue> ReadInTurn(std::vector<std::string> paths) const override;
  std::optional<std::uint64_t> FileSize(const std::string& path) const override;
  // Refuses to replace a read-only file, so a write-protected package is never overwritten.
  bool WriteAllReplacing(const std::string& path, const Bytes& bytes) override;
  std::vector<std::string> List(const std::string& folder, const std::string& pattern) const override;
  std::optional<std::vector<FolderEntry>> ListFileEntries(const std::string& folder, const std::string& pattern,
                                                          const std::function<void()>& meanwhile = {}) const override;
  // A reparse point (junction, symbolic link) is reported as a link.
  std::optional<std::vector<FolderEntry>> ListEntries(const std::string& folder) const override;
  std::optional<std::uint64_t> FreeBytes(const std::string& path) const override;
  bool CreateFolder(const std::string& path) override;
  bool Remove(const std::string& path) override;
  bool Rename(const std::string& from, const std::string& to) override;
  bool Copy(const std::string& from, const std::string& to, bool failIfExists) override;
  bool SetNormalAttributes(const std::string& path) override;
};

}  // namespace velgaro::win32
