#include "platform/win32/Win32Registry.h"

#include <windows.h>

#include "platform/win32/RegistryText.h"
#include "platform/win32/WideText.h"

namespace velgaro::win32 {
namespace {

HKEY RootKey(RegRoot root) {
  switch (root) {
    case RegRoot::ClassesRoot: return HKEY_CLASSES_ROOT;
    case RegRoot::CurrentUser: return HKEY_CURRENT_USER;
    case RegRoot::LocalMachine: return HKEY_LOCAL_MACHINE;
  }
  return HKEY_CURRENT_USER;
}

bool HasNul(const std::string& text) { return text.find('\0') != std::string::npos; }

std::optional<RegistryText> Read(RegRoot root, const std::string& key, const std::string& valueName) {
  if (HasNul(key) || HasNul(valueName)) return std::nullopt;
  return ReadText(RootKey(root), ToWide(key), ToWide(valueName));
}

std::wstring ExpandEnvironment(const std::wstring& text) {
  const DWORD needed = ExpandEnvironmentStringsW(text.c_str(), nullptr, 0);
  if (needed == 0) return {};
  std::wstring expanded(needed, L'\0');
  const DWORD written = ExpandEnvironmentStringsW(text.c_str(), expanded.data(), needed);
  if (written == 0 || written > needed) return {};
  return WideFromBuffer(expanded.data(), written);
}

}  // namespace

std::string Win32Registry::GetString(RegRoot root, const std::string& key, const std::string& valueName) const {
  const auto value = Read(root, key, valueName);
  return value && value->type == REG_SZ ? ToUtf8(value->text) : std::string();
}

std::string Win32Registry::GetExpandedString(RegRoot root, const std::string& key,
                                             const std::string& valueName) const {
  const auto value = Read(root, key, valueName);
  if (!value) return {};
  return ToUtf8(value->type == REG_EXPAND_SZ ? ExpandEnvironment(value->text) : value->text);
}

bool Win32Registry::SetString(RegRoot root, const std::string& key, const std::string& valueName,
                              const std::string& data) {
  if (HasNul(key) || HasNul(valueName)) return false;
  return WriteText(RootKey(root), ToWide(key), ToWide(valueName), ToWide(data));
}

}  // namespace velgaro::win32
