#include "platform/posix/PosixSettingsStore.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>

#include "platform/IniText.h"
#include "platform/posix/PosixPaths.h"

namespace velgaro {
namespace {

// Settings hold whole texts; the INI reader would drop enclosing quotes and outer blanks, so such
// values are written inside one more pair of quotes.
std::string Protect(const std::string& value) {
  if (value.empty()) return value;
  const auto special = [](char c) { return c == ' ' || c == '\t' || c == '"' || c == '\''; };
  return special(value.front()) || special(value.back()) ? "\"" + value + "\"" : value;
}

std::optional<std::string> ReadText(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace

std::string DefaultSettingsFile() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg && *xdg == '/') return std::string(xdg) + "/velgaro/settings.ini";
  const char* home = std::getenv("HOME");
  std::string base = home && *home ? home : "";
  if (base.empty()) {
    const passwd* pw = getpwuid(geteuid());
    if (pw && pw->pw_dir) base = pw->pw_dir;
  }
  return base.empty() ? std::string() : base + "/.config/velgaro/settings.ini";
}

PosixSettingsStore::PosixSettingsStore() : file_(DefaultSettingsFile()) {}
PosixSettingsStore::PosixSettingsStore(std::string nativeFile) : file_(std::move(nativeFile)) {}

std::string PosixSettingsStore::Get(const std::string& section, const std::string& key,
                                    const std::string& defaultValue) const {
  const std::optional<std::string> content = file_.empty() ? std::nullopt : ReadText(file_);
  if (!content) return defaultValue;
  return IniFindValue(*content, section, key).value_or(defaultValue);
}

bool PosixSettingsStore::Set(const std::string& section, const std::string& key, const std::string& value) {
  if (file_.empty()) return false;
  const std::size_t slash = file_.find_last_of('/');
  if (slash != std::string::npos && slash > 0 && !CreateFolders(file_.substr(0, slash))) return false;
  const std::string content = ReadText(file_).value_or(std::string());
  const std::optional<std::string> updated = IniWriteValue(content, section, key, Protect(value));
  return updated && ReplaceFileAtomically(file_, std::vector<std::uint8_t>(updated->begin(), updated->end()));
}

}  // namespace velgaro
