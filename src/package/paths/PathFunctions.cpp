// The small path functions of PathVariables.h. Paths are Windows paths with backslashes.
#include "package/paths/PathVariables.h"

namespace velgaro {

std::string AddBackslash(const std::string& text) {
  if (text.empty() || text.back() == '\\') return text;
  return text + '\\';
}

std::string JoinPath(const std::string& folder, const std::string& rest) {
  if (rest.empty()) return folder;
  if (!folder.empty() && rest[0] == '\\') return AddBackslash(folder) + rest.substr(1);
  return AddBackslash(folder) + rest;
}

bool FileExists(const FileSystem& fs, const std::string& path) {
  const std::string p = Trim(path);
  if (p == "-") return true;   // the installer path of a package that starts no program
  return !p.empty() && fs.Exists(p);
}

bool IsFolder(const FileSystem& fs, const std::string& path) {
  const std::string p = Trim(path);
  return !p.empty() && p != "-" && fs.IsDirectory(p);
}

std::string ParentFolder(const std::string& path) {
  if (path.size() < 2) return {};
  // From the second-last character, so that "C:\Dir\" gives "C:".
  const std::size_t slash = path.find_last_of('\\', path.size() - 2);
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string FileTitle(const std::string& path) {
  const std::size_t slash = path.find_last_of('\\');
  if (slash == std::string::npos) return {};
  const std::string name = path.substr(slash + 1);
  const std::size_t dot = name.find_last_of('.');
  return dot == std::string::npos ? std::string() : name.substr(0, dot);
}

std::string StripExtension(const std::string& path) {
  const std::size_t dot = path.find_last_of('.');
  return dot == std::string::npos ? std::string() : path.substr(0, dot);
}

std::string NearestExistingFolder(const FileSystem& fs, const std::string& path) {
  std::string p = path;
  while (p.size() >= 3) {
    if (FileExists(fs, p)) return p;
    p = ParentFolder(p);
  }
  return "C:\\";
}

}  // namespace velgaro
