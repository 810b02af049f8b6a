#include "platform/win32/WideText.h"

#include <windows.h>

#include <climits>
#include <cwchar>

namespace velgaro::win32 {
namespace {

// The conversion functions take int lengths; longer texts are not expected and are refused.
bool FitsInt(std::size_t n) { return n <= static_cast<std::size_t>(INT_MAX); }

std::wstring MultiToWide(UINT codePage, const std::string& text) {
  if (text.empty() || !FitsInt(text.size())) return {};
  const int length = static_cast<int>(text.size());
  const int needed = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
  if (needed <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(needed), L'\0');
  const int written = MultiByteToWideChar(codePage, 0, text.data(), length, wide.data(), needed);
  wide.resize(written > 0 ? static_cast<std::size_t>(written) : 0);
  return wide;
}

std::string WideToMulti(UINT codePage, DWORD flags, const std::wstring& wide) {
  if (wide.empty() || !FitsInt(wide.size())) return {};
  const int length = static_cast<int>(wide.size());
  const char* defaultChar = codePage == CP_UTF8 ? nullptr : "?";
  const int needed = WideCharToMultiByte(codePage, flags, wide.data(), length, nullptr, 0, defaultChar, nullptr);
  if (needed <= 0) return {};
  std::string text(static_cast<std::size_t>(needed), '\0');
  const int written =
      WideCharToMultiByte(codePage, flags, wide.data(), length, text.data(), needed, defaultChar, nullptr);
  text.resize(written > 0 ? static_cast<std::size_t>(written) : 0);
  return text;
}

}  // namespace

std::wstring ToWide(const std::string& utf8) { return MultiToWide(CP_UTF8, utf8); }

std::wstring ToWidePath(const std::string& utf8) {
  if (utf8.find('\0') != std::string::npos) return {};
  return ToWide(utf8);
}

std::string ToUtf8(const std::wstring& wide) { return WideToMulti(CP_UTF8, 0, wide); }

std::string WideToAnsi(const std::wstring& wide) {
  // A UTF-8 system code page accepts neither flags nor a default character.
  if (GetACP() == CP_UTF8) return WideToMulti(CP_UTF8, 0, wide);
  return WideToMulti(CP_ACP, WC_NO_BEST_FIT_CHARS, wide);
}

std::wstring AnsiToWide(const std::string& ansi) { return MultiToWide(CP_ACP, ansi); }

std::wstring WideFromBuffer(const wchar_t* buffer, std::size_t capacity) {
  if (buffer == nullptr || capacity == 0) return {};
  const wchar_t* end = std::wmemchr(buffer, L'\0', capacity);
  return std::wstring(buffer, end != nullptr ? end : buffer + capacity);
}

}  // namespace velgaro::win32
