// Path variables ("%PROGRAMFILES%", "%CDROM%", ...) that make package paths portable between machines,
// and the small path functions that the whole program uses.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/Ports.h"
#include "platform/TextFold.h"

namespace velgaro {

struct PathVariable {
  std::string name;   // "%CDROM%", ...
  std::string value;
};

class PathVariables {
 public:
  static constexpr int kCount = 7;  // %CDROM% %USERNAME% %WINDOWS% %TEMP% %PROGRAMFILES% %APPFOLDER% %DRIVEAPP%

  // Fills the table and the CD-ROM list once per process.
  void InitPathVariables(const SystemInfo& sys, const Registry& reg);
  std::string ExpandPathVariables(const std::string& text, const FileSystem& fs) const;
  std::string CollapsePathVariables(const std::string& text) const;

  const std::array<PathVariable, kCount>& Table() const { return table_; }
  const std::vector<std::string>& CdRomRoots() const { return cdroms_; }
  // For tests and adapters that know the values already.
  void SetTable(const std::array<PathVariable, kCount>& table, std::vector<std::string> cdroms);

 private:
  std::array<PathVariable, kCount> table_{};
  std::vector<std::string> cdroms_;
};

std::string AddBackslash(const std::string& text);
std::string JoinPath(const std::string& folder, const std::string& rest);
bool FileExists(const FileSystem& fs, const std::string& path);   // "-" counts as existing
bool IsFolder(const FileSystem& fs, const std::string& path);
std::string ParentFolder(const std::string& path);
std::string FileTitle(const std::string& path);
std::string StripExtension(const std::string& path);
std::string NearestExistingFolder(const FileSystem& fs, const std::string& path);

// Text helpers shared by the path and command-line code.
std::string Trim(const std::string& text);
std::size_t FindNoCase(const std::string& haystack, const std::string& needle, std::size_t from = 0);

}  // namespace velgaro
