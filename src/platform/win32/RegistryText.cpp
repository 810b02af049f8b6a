#include "platform/win32/RegistryText.h"

#include <vector>

#include "platform/win32/Handles.h"
#include "platform/win32/WideText.h"

namespace velgaro::win32 {

std::optional<RegistryText> QueryText(HKEY key, const std::wstring& valueName) {
  // The value may grow between the size query and the read; try again a few times.
  for (int attempt = 0; attempt < 4; ++attempt) {
    DWORD type = REG_NONE;
    DWORD size = 0;
    if (RegQueryValueExW(key, valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
    // Room for a terminating NUL that the stored data may lack.
    std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 2, L'\0');
    DWORD read = static_cast<DWORD>((buffer.size() - 1) * sizeof(wchar_t));
    const LSTATUS status =
        RegQueryValueExW(key, valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &read);
    if (status == ERROR_MORE_DATA) continue;
    if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return std::nullopt;
    return RegistryText{type, WideFromBuffer(buffer.data(), read / sizeof(wchar_t))};
  }
  return std::nullopt;
}

std::optional<RegistryText> ReadText(HKEY root, const std::wstring& subKey, const std::wstring& valueName) {
  RegKey key;
  if (RegOpenKeyExW(root, subKey.c_str(), 0, KEY_QUERY_VALUE, key.Receive()) != ERROR_SUCCESS) return std::nullopt;
  return QueryText(key.Get(), valueName);
}

bool WriteText(HKEY root, const std::wstring& subKey, const std::wstring& valueName, const std::wstring& text) {
  if (text.find(L'\0') != std::wstring::npos) return false;  // would be stored cut short
  RegKey key;
  if (RegCreateKeyExW(root, subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr,
                      key.Receive(), nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
  return RegSetValueExW(key.Get(), valueName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                        bytes) == ERROR_SUCCESS;
}

}  // namespace velgaro::win32
