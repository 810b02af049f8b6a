#include "platform/win32/Win32SettingsStore.h"

#include <utility>

#include "platform/win32/RegistryText.h"
#include "platform/win32/WideText.h"

namespace velgaro::win32 {
namespace {

// An empty section would address the application key itself, a NUL would cut the name short.
bool UsableName(const std::string& name) { return !name.empty() && name.find('\0') == std::string::npos; }

}  // namespace

Win32SettingsStore::Win32SettingsStore(std::string applicationKey) : applicationKey_(std::move(applicationKey)) {}

std::string Win32SettingsStore::Get(const std::string& section, const std::string& key,
                                    const std::string& defaultValue) const {
  if (!UsableName(section) || !UsableName(key)) return defaultValue;
  const auto value = ReadText(HKEY_CURRENT_USER, ToWide(applicationKey_ + "\\" + section), ToWide(key));
  return value ? ToUtf8(value->text) : defaultValue;
}

bool Win32SettingsStore::Set(const std::string& section, const std::string& key, const std::string& value) {
  if (!UsableName(section) || !UsableName(key)) return false;
  return WriteText(HKEY_CURRENT_USER, ToWide(applicationKey_ + "\\" + section), ToWide(key), ToWide(value));
}

}  // namespace velgaro::win32
