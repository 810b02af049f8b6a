#include "platform/posix/PosixFileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "platform/TextFold.h"
#include "platform/posix/PosixPaths.h"

namespace velgaro {
namespace {

constexpr std::size_t kFirstRead = 64u << 10;
constexpr std::size_t kChunk = 1u << 20;
constexpr std::size_t kEntriesBetweenCalls = 256;

bool StatPath(const std::string& path, struct stat& st) {
  return !path.empty() && ::stat(ToNativePath(path).c_str(), &st) == 0;
}

// st_mtim as Windows counts file times: 100-nanosecond steps since 1601.
std::uint64_t WriteTime(const struct stat& st) {
  constexpr std::int64_t kSecondsFrom1601To1970 = 11644473600;
  const std::int64_t seconds = static_cast<std::int64_t>(st.st_mtim.tv_sec) + kSecondsFrom1601To1970;
  if (seconds < 0) return 0;
  return static_cast<std::uint64_t>(seconds) * 10000000u + static_cast<std::uint64_t>(st.st_mtim.tv_nsec / 100);
}

bool CopyContent(int in, int out) {
  char buffer[1 << 16];
  for (;;) {
    const ssize_t got = ::read(in, buffer, sizeof buffer);
    if (got == 0) return true;
    if (got < 0) return false;
    ssize_t done = 0;
    while (done < got) {
      const ssize_t put = ::write(out, buffer + done, static_cast<std::size_t>(got - done));
      if (put <= 0) return false;
      done += put;
    }
  }
}

}  // namespace

bool PosixFileSystem::Exists(const std::string& path) const {
  struct stat st {};
  return StatPath(path, st);
}

bool PosixFileSystem::IsDirectory(const std::string& path) const {
  struct stat st {};
  return StatPath(path, st) && S_ISDIR(st.st_mode);
}

std::optional<Bytes> PosixFileSystem::ReadAll(const std::string& path) const {
  if (path.empty()) return std::nullopt;
  const int fd = ::open(ToNativePath(path).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  // As on Windows: no size is asked for, a short read is the end (a folder fails its first read). The
  // first read goes to a buffer kept for the next file, so that a small file costs no cleared memory.
  static thread_local std::vector<std::uint8_t> first(kFirstRead);
  std::optional<Bytes> bytes;
  ssize_t got = ::read(fd, first.data(), first.size());
  if (got >= 0) {
    bytes.emplace(first.begin(), first.begin() + got);
    std::size_t asked = first.size();
    // A longer file: read on in large parts, straight into the result.
    while (got >= 0 && static_cast<std::size_t>(got) == asked) {
      const std::size_t done = bytes->size();
      asked = kChunk;
      bytes->resize(done + asked);
      got = ::read(fd, bytes->data() + done, asked);
      bytes->resize(done + static_cast<std::size_t>(got > 0 ? got : 0));
    }
    if (got < 0) bytes.reset();
  }
  ::close(fd);
  return bytes;
}

std::optional<std::uint64_t> PosixFileSystem::FileSize(const std::string& path) const {
  struct stat st {};
  if (!StatPath(path, st) || S_ISDIR(st.st_mode)) return std::nullopt;
  return static_cast<std::uint64_t>(st.st_size);
}

bool PosixFileSystem::WriteAllReplacing(const std::string& path, const Bytes& bytes) {
  return ReplaceFileAtomically(ToNativePath(path), bytes);
}

std::vector<std::string> PosixFileSystem::List(const std::string& folder, const std::string& pattern) const {
  std::vector<std::string> names;
  DIR* dir = ::opendir(ToNativePath(folder.empty() ? "." : folder).c_str());
  if (!dir) return names;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    if (WildcardMatch(name, pattern)) names.push_back(name);
  }
  ::closedir(dir);
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return FoldCase(a) < FoldCase(b); });
  return names;
}

std::optional<std::vector<FolderEntry>> PosixFileSystem::ListFileEntries(
    const std::string& folder, const std::string& pattern, const std::function<void()>& meanwhile) const {
  const std::string native = ToNativePath(folder.empty() ? "." : folder);
  DIR* dir = ::opendir(native.c_str());
  if (!dir) return std::nullopt;
  std::vector<FolderEntry> entries;
  std::size_t walked = 0;
  while (const dirent* entry = ::readdir(dir)) {
    if (meanwhile && ++walked % kEntriesBetweenCalls == 0) meanwhile();
    const std::string name = entry->d_name;
    if (name.empty() || name[0] == '.' || !WildcardMatch(name, pattern)) continue;
    struct stat st {};
    if (::fstatat(::dirfd(dir), name.c_str(), &st, 0) != 0 || !S_ISREG(st.st_mode)) continue;
    entries.push_back(FolderEntry{name, false, false, static_cast<std::uint64_t>(st.st_size), WriteTime(st)});
  }
  ::closedir(dir);
  return entries;
}

std::optional<std::vector<FolderEntry>> PosixFileSystem::ListEntries(const std::string& folder) const {
  if (folder.empty()) return std::nullopt;
  const std::string native = ToNativePath(folder);
  DIR* dir = ::opendir(native.c_str());
  if (!dir) return std::nullopt;
  std::vector<FolderEntry> entries;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    const std::string full = native + "/" + name;
    struct stat st {};
    if (::lstat(full.c_str(), &st) != 0) continue;   // gone since it was listed
    FolderEntry found{name, S_ISDIR(st.st_mode), false, 0, WriteTime(st)};
    if (S_ISLNK(st.st_mode)) {
      found.isLink = true;
      struct stat target {};
      found.isFolder = ::stat(full.c_str(), &target) == 0 && S_ISDIR(target.st_mode);
    }
    if (!found.isFolder && S_ISREG(st.st_mode)) found.size = static_cast<std::uint64_t>(st.st_size);
    entries.push_back(std::move(found));
  }
  ::closedir(dir);
  return entries;
}

std::optional<std::uint64_t> PosixFileSystem::FreeBytes(const std::string& path) const {
  struct statvfs info {};
  if (path.empty() || ::statvfs(ToNativePath(path).c_str(), &info) != 0) return std::nullopt;
  return static_cast<std::uint64_t>(info.f_bavail) * static_cast<std::uint64_t>(info.f_frsize);
}

bool PosixFileSystem::CreateFolder(const std::string& path) {
  return !path.empty() && ::mkdir(ToNativePath(path).c_str(), 0777) == 0;
}

bool PosixFileSystem::Rename(const std::string& from, const std::string& to) {
  struct stat source {}, target {};
  if (!StatPath(from, source) || S_ISDIR(source.st_mode)) return false;
  // rename() would replace another file silently; MoveFile refuses. The same file under another case is
  // no other file.
  if (StatPath(to, target) && (target.st_ino != source.st_ino || target.st_dev != source.st_dev)) return false;
  return ::rename(ToNativePath(from).c_str(), ToNativePath(to).c_str()) == 0;
}

bool PosixFileSystem::Remove(const std::string& path) {
  struct stat st {};
  if (!StatPath(path, st)) return false;
  const std::string native = ToNativePath(path);
  if (S_ISDIR(st.st_mode)) return ::rmdir(native.c_str()) == 0;
  if (IsReadOnly(native, st)) return false;
  return ::unlink(native.c_str()) == 0;
}

bool PosixFileSystem::Copy(const std::string& from, const std::string& to, bool failIfExists) {
  struct stat source {}, target {};
  if (!StatPath(from, source) || !S_ISREG(source.st_mode) || to.empty()) return false;
  const std::string nativeTo = ToNativePath(to);
  if (StatPath(to, target)) {
    if (failIfExists || S_ISDIR(target.st_mode) || IsReadOnly(nativeTo, target)) return false;
    if (target.st_ino == source.st_ino && target.st_dev == source.st_dev) return false;
  }
  const int in = ::open(ToNativePath(from).c_str(), O_RDONLY);
  if (in < 0) return false;
  const std::size_t slash = nativeTo.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "." : nativeTo.substr(0, slash + 1);
  std::string temp = (slash == std::string::npos ? std::string("./") : folder) + ".copy.XXXXXX";
  const int out = ::mkstemp(temp.data());
  if (out < 0) {
    ::close(in);
    return false;
  }
  bool ok = CopyContent(in, out) && ::fchmod(out, source.st_mode & 07777) == 0 && ::fsync(out) == 0;
  ok = (::close(out) == 0) && ok;
  ::close(in);
  if (ok) {
    // link() refuses an existing name: the no-replace copy stays a single step.
    ok = failIfExists ? ::link(temp.c_str(), nativeTo.c_str()) == 0 : ::rename(temp.c_str(), nativeTo.c_str()) == 0;
  }
  if (!ok || failIfExists) ::unlink(temp.c_str());
  return ok;
}

bool PosixFileSystem::SetNormalAttributes(const std::string& path) {
  struct stat st {};
  if (!StatPath(path, st)) return false;
  return ::chmod(ToNativePath(path).c_str(), (st.st_mode & 07777) | S_IRUSR | S_IWUSR) == 0;
}

}  // namespace velgaro
