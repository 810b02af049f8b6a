// Files of a native run. Takes the core's backslash paths and turns them into '/' paths.
#pragma once

#include "platform/Ports.h"

namespace velgaro {

class PosixFileSystem : public FileSystem {
 public:
  bool Exists(const std::string& path) const override;
  bool IsDirectory(const std::string& path) const override;
  std::optional<Bytes> ReadAll(const std::string& path) const override;
  std::optional<std::uint64_t> FileSize(const std::string& path) const override;
  bool WriteAllReplacing(const std::string& path, const Bytes& bytes) override;
  // Patterns with "*" and "?", matched without regard to case as on Windows; names sorted likewise.
  std::vector<std::string> List(const std::string& folder, const std::string& pattern) const override;
  // Regular files only; names beginning with "." count as hidden.
  std::optional<std::vector<FolderEntry>> ListFileEntries(const std::string& folder, const std::string& pattern,
                                                          const std::function<void()>& meanwhile = {}) const override;
  // Entries as lstat sees them: a symbolic link is reported as a link, with the kind of its target.
  std::optional<std::vector<FolderEntry>> ListEntries(const std::string& folder) const override;
  // statvfs: the blocks available to an unprivileged user.
  std::optional<std::uint64_t> FreeBytes(const std::string& path) const override;
  bool CreateFolder(const std::string& path) override;
  // Like DeleteFileA / RemoveDirectoryA: a read-only file or a folder that is not empty stays.
  bool Remove(const std::string& path) override;
  bool Rename(const std::string& from, const std::string& to) override;
  // Through a temporary file beside the target, so the target is never left half written. Like
  // CopyFileA, a read-only target is not replaced.
  bool Copy(const std::string& from, const std::string& to, bool failIfExists) override;
  // Gives the owner write permission (the native read-only attribute is its absence).
  bool SetNormalAttributes(const std::string& path) override;
};

}  // namespace velgaro
