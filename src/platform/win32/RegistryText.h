// Reading and writing text values of registry keys with the wide API.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace velgaro::win32 {

struct RegistryText {
  DWORD type = REG_NONE;
  std::wstring text;  // cut before the first NUL
};

// A REG_SZ or REG_EXPAND_SZ value of an open key; nullopt when missing or of another type.
std::optional<RegistryText> QueryText(HKEY key, const std::wstring& valueName);

// Opens root\subKey for reading and queries one text value.
std::optional<RegistryText> ReadText(HKEY root, const std::wstring& subKey, const std::wstring& valueName);

// Creates root\subKey if needed and stores text as REG_SZ.
bool WriteText(HKEY root, const std::wstring& subKey, const std::wstring& valueName, const std::wstring& text);

}  // namespace velgaro::win32
