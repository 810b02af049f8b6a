// How the Windows facts map natively:
// - Paths: the core works with backslash paths, so native paths are handed out with '/' turned into '\'
//   (PosixFileSystem turns them back). The exe folder of /opt/velgaro/bin is "\opt\velgaro\bin".
// - Drives: there are no drive letters and no CD-ROM drives. Any root that starts with a separator (the
//   one native file tree) is a fixed drive; everything else has no root. The logical drive list is empty.
// - User name: the login name of the effective user (getpwuid); nullopt when it has none.
// - Windows folder: empty. Temp folder: $TMPDIR or /tmp, with a trailing backslash as GetTempPath gives.
// - Language: from the locale variables (LC_ALL, then LC_MESSAGES, then LANG): ru 1049, de_DE 1031,
//   uk 1058, be 1059, anything else 1033.
// - Screen: 1024 x 768, there is no desktop to ask.
#include "platform/posix/PosixSystemInfo.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "platform/posix/PosixPaths.h"

namespace velgaro {

std::string PosixSystemInfo::ExeFolder() const {
  std::string buffer(4096, '\0');
  const ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
  if (n <= 0) return {};
  buffer.resize(static_cast<std::size_t>(n));
  const std::size_t slash = buffer.find_last_of('/');
  const std::string folder = slash == 0 || slash == std::string::npos ? "/" : buffer.substr(0, slash);
  return ToCorePath(folder);
}

int PosixSystemInfo::DriveType(const std::string& root) const {
  return !root.empty() && (root[0] == '\\' || root[0] == '/') ? kDriveFixed : kDriveNoRoot;
}

std::vector<std::string> PosixSystemInfo::LogicalDrives() const { return {}; }

std::optional<std::string> PosixSystemInfo::UserName() const {
  const passwd* pw = getpwuid(geteuid());
  if (!pw || !pw->pw_name) return std::nullopt;
  return std::string(pw->pw_name);
}

std::string PosixSystemInfo::WindowsFolder() const { return {}; }

std::string PosixSystemInfo::TempPath() const {
  const char* tmp = std::getenv("TMPDIR");
  std::string path = ToCorePath(tmp && *tmp ? tmp : "/tmp");
  while (path.size() > 1 && path.back() == '\\') path.pop_back();
  return path == "\\" ? path : path + "\\";
}

std::uint16_t LangIdFromLocale(const std::string& locale) {
  const auto startsWith = [&locale](const char* prefix) { return locale.rfind(prefix, 0) == 0; };
  const auto isLanguage = [&locale](const std::string& lang) {
    return locale.compare(0, lang.size(), lang) == 0 &&
           (locale.size() == lang.size() || locale[lang.size()] == '_' || locale[lang.size()] == '.' ||
            locale[lang.size()] == '@');
  };
  if (isLanguage("ru")) return 1049;
  if (startsWith("de_DE") || locale == "de" || startsWith("de.")) return 1031;
  if (isLanguage("uk")) return 1058;
  if (isLanguage("be")) return 1059;
  return 1033;
}

std::uint16_t PosixSystemInfo::UserDefaultLangId() const {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(name);
    if (value && *value) return LangIdFromLocale(value);
  }
  return 1033;
}

int PosixSystemInfo::ScreenWidth() const { return 1024; }
int PosixSystemInfo::ScreenHeight() const { return 768; }

std::string PosixSystemInfo::EnvironmentVariable(const std::string& name) const {
  const char* value = name.empty() ? nullptr : std::getenv(name.c_str());
  return value ? value : "";
}

}  // namespace velgaro
