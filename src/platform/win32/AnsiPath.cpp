#include "platform/win32/AnsiPath.h"

#include <windows.h>

#include "platform/win32/WideText.h"

namespace velgaro::win32 {
namespace {

std::optional<std::string> Exact(const std::wstring& wide) {
  std::string ansi = WideToAnsi(wide);
  if (ansi.empty() || AnsiToWide(ansi) != wide) return std::nullopt;
  return ansi;
}

std::wstring ShortForm(const std::wstring& path) {
  const DWORD needed = GetShortPathNameW(path.c_str(), nullptr, 0);
  if (needed == 0) return {};
  std::wstring buffer(needed, L'\0');
  const DWORD written = GetShortPathNameW(path.c_str(), buffer.data(), needed);
  if (written == 0 || written >= needed) return {};
  buffer.resize(written);
  return buffer;
}

}  // namespace

std::optional<std::string> AnsiPath(const std::string& utf8Path) {
  const std::wstring wide = ToWidePath(utf8Path);
  if (wide.empty()) return std::nullopt;
  if (auto ansi = Exact(wide)) return ansi;
  if (const std::wstring whole = ShortForm(wide); !whole.empty()) return Exact(whole);
  // A file yet to be created: its folder may still have a short form.
  const std::size_t slash = wide.find_last_of(L"\\/");
  if (slash == std::wstring::npos) return std::nullopt;
  const std::wstring folder = ShortForm(wide.substr(0, slash + 1));
  if (folder.empty()) return std::nullopt;
  std::wstring joined = folder;
  if (joined.back() != L'\\' && joined.back() != L'/') joined += L'\\';
  return Exact(joined + wide.substr(slash + 1));
}

}  // namespace velgaro::win32
