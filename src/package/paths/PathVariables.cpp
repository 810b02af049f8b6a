#include "package/paths/PathVariables.h"

#include <utility>

namespace velgaro {
namespace {

constexpr std::size_t kCdRom = 0;
constexpr std::size_t kUserName = 1;
constexpr std::size_t kWindows = 2;
constexpr std::size_t kTemp = 3;
constexpr std::size_t kProgramFiles = 4;
constexpr std::size_t kAppFolder = 5;
constexpr std::size_t kDriveApp = 6;

const char* const kNames[PathVariables::kCount] = {"%CDROM%", "%USERNAME%", "%WINDOWS%", "%TEMP%",
                                                   "%PROGRAMFILES%", "%APPFOLDER%", "%DRIVEAPP%"};
const std::string kCdRomName = "%CDROM%";
constexpr std::size_t kUserNameBuffer = 200;

bool IsSlash(char c) { return c == '\\' || c == '/'; }

// The executable's drive root ("C:\"), or the share root up to its fourth backslash ("\\srv\share\").
std::string DriveOfApp(const std::string& exePath) {
  if (exePath.size() >= 3 && exePath.compare(1, 2, ":\\") == 0) return exePath.substr(0, 3);
  if (exePath.size() >= 2 && IsSlash(exePath[0]) && IsSlash(exePath[1])) {
    // The two leading slashes count as separators too, so "/\srv\share\x" still gives its share root.
    std::size_t count = 0;
    for (std::size_t i = 0; i < exePath.size(); ++i) {
      if (IsSlash(exePath[i]) && ++count == 4) return exePath.substr(0, i + 1);
    }
  }
  return {};
}

// text with the first occurrence (from pos, length len) replaced by JoinPath(replacement, rest).
std::string ReplaceJoined(const std::string& text, std::size_t pos, std::size_t len, const std::string& replacement) {
  return text.substr(0, pos) + JoinPath(replacement, text.substr(pos + len));
}

}  // namespace

void PathVariables::InitPathVariables(const SystemInfo& sys, const Registry& reg) {
  std::array<PathVariable, kCount> table;
  for (std::size_t i = 0; i < table.size(); ++i) table[i].name = kNames[i];
  std::vector<std::string> cdroms;

  const std::string exeFolder = sys.ExeFolder();
  const std::string root = exeFolder.substr(0, 3);
  if (sys.DriveType(root) == kDriveCdRom) {
    table[kCdRom].value = root;
  } else {
    for (const std::string& drive : sys.LogicalDrives()) {
      if (sys.DriveType(drive) == kDriveCdRom) cdroms.push_back(drive);
    }
  }

  // GetUserNameA fails when the name does not fit its buffer (with the terminating NUL).
  const std::optional<std::string> user = sys.UserName();
  if (user && user->size() < kUserNameBuffer) table[kUserName].value = *user;

  table[kWindows].value = sys.WindowsFolder();
  std::string temp = sys.TempPath();
  if (!temp.empty() && temp.back() == '\\') temp.pop_back();
  table[kTemp].value = temp;

  const std::string programFiles =
      reg.GetString(RegRoot::LocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir");
  table[kProgramFiles].value = programFiles.substr(0, programFiles.find('\0'));

  table[kAppFolder].value = AddBackslash(exeFolder);
  // The folder with its backslash stands for the executable's path: a program at a share's root
  // ("\\srv\share") still has its fourth backslash.
  table[kDriveApp].value = DriveOfApp(table[kAppFolder].value);

  SetTable(table, std::move(cdroms));
}

void PathVariables::SetTable(const std::array<PathVariable, kCount>& table, std::vector<std::string> cdroms) {
  table_ = table;
  cdroms_ = std::move(cdroms);
}

std::string PathVariables::ExpandPathVariables(const std::string& text, const FileSystem& fs) const {
  std::string out = text;
  for (std::size_t i = kUserName; i < table_.size(); ++i) {
    const std::size_t pos = FindNoCase(out, table_[i].name);
    if (pos != std::string::npos) out = ReplaceJoined(out, pos, table_[i].name.size(), table_[i].value);
  }

  const std::size_t pos = FindNoCase(out, kCdRomName);
  if (pos == std::string::npos) return out;
  // The variable is replaced where it stands; text before it (a switch of a command line) is kept.
  if (!table_[kCdRom].value.empty()) return ReplaceJoined(out, pos, kCdRomName.size(), table_[kCdRom].value);
  for (const std::string& root : cdroms_) {
    const std::string candidate = ReplaceJoined(out, pos, kCdRomName.size(), root);
    if (FileExists(fs, candidate)) return candidate;
  }
  return out;
}

std::string PathVariables::CollapsePathVariables(const std::string& text) const {
  std::string out = text;
  for (std::size_t i = kUserName; i < table_.size(); ++i) {
    // An empty value would match at the first character and corrupt the text.
    if (table_[i].value.empty()) continue;
    const std::size_t pos = FindNoCase(out, table_[i].value);
    if (pos != std::string::npos) out = ReplaceJoined(out, pos, table_[i].value.size(), table_[i].name);
  }
  for (const std::string& root : cdroms_) {
    if (root.empty()) continue;
    const std::size_t pos = FindNoCase(out, root);
    if (pos != std::string::npos) out = ReplaceJoined(out, pos, root.size(), kCdRomName);
  }
  return out;
}

}  // namespace velgaro
