#include "platform/posix/PosixPaths.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>

namespace velgaro {

std::string ToNativePath(std::string corePath) {
  std::replace(corePath.begin(), corePath.end(), '\\', '/');
  return corePath;
}

std::string ToCorePath(std::string nativePath) {
  std::replace(nativePath.begin(), nativePath.end(), '/', '\\');
  return nativePath;
}

namespace {

bool WriteAll(int fd, const std::vector<std::uint8_t>& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

bool IsReadOnly(const std::string& nativePath, const struct stat& st) {
  // No write bit at all counts even for root, who may write anywhere: it is the read-only attribute.
  return (st.st_mode & 0222) == 0 || ::access(nativePath.c_str(), W_OK) != 0;
}

bool ReplaceFileAtomically(const std::string& nativePath, const std::vector<std::uint8_t>& bytes) {
  if (nativePath.empty() || nativePath.back() == '/') return false;
  const std::size_t slash = nativePath.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "." : (slash == 0 ? "/" : nativePath.substr(0, slash));
  const std::string name = slash == std::string::npos ? nativePath : nativePath.substr(slash + 1);

  mode_t mode = 0666;
  struct stat st {};
  if (::stat(nativePath.c_str(), &st) == 0) {
    // As on Windows: a read-only file is not replaced.
    if (S_ISDIR(st.st_mode) || IsReadOnly(nativePath, st)) return false;
    mode = st.st_mode & 07777;
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }

  std::string temp = folder + "/." + name + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return false;
  bool ok = WriteAll(fd, bytes) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  if (ok) ok = ::rename(temp.c_str(), nativePath.c_str()) == 0;
  if (!ok) {
    ::unlink(temp.c_str());
    return false;
  }
  SyncFolder(folder);
  return true;
}

bool CreateFolders(const std::string& nativePath) {
  if (nativePath.empty()) return false;
  std::size_t pos = 0;
  while (pos != std::string::npos) {
    pos = nativePath.find('/', pos + 1);
    const std::string part = nativePath.substr(0, pos);
    if (part.empty()) continue;
    if (::mkdir(part.c_str(), 0777) != 0 && errno != EEXIST) return false;
  }
  struct stat st {};
  return ::stat(nativePath.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace velgaro
