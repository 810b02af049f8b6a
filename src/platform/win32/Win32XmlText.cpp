#include "platform/win32/Win32XmlText.h"

#include <windows.h>

#include <climits>

namespace velgaro::win32 {
namespace {

wchar_t AsciiLower(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

}  // namespace

std::optional<std::wstring> StrictUtf8ToWide(const char* data, std::size_t size) {
  if (size == 0) return std::wstring();
  if (size > static_cast<std::size_t>(INT_MAX)) return std::nullopt;
  const int length = static_cast<int>(size);
  const int needed = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, data, length, nullptr, 0);
  if (needed <= 0) return std::nullopt;
  std::wstring wide(static_cast<std::size_t>(needed), L'\0');
  if (MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, data, length, wide.data(), needed) != needed) {
    return std::nullopt;
  }
  return wide;
}

// The document as UTF-16, decoded by its byte order mark (none: UTF-8).
std::optional<std::wstring> DecodeDocument(const std::string& document) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(document[i]); };
  const bool utf16le = document.size() >= 2 && byte(0) == 0xFF && byte(1) == 0xFE;
  const bool utf16be = document.size() >= 2 && byte(0) == 0xFE && byte(1) == 0xFF;
  if (utf16le || utf16be) {
    if (document.size() % 2 != 0) return std::nullopt;
    std::wstring wide;
    wide.reserve(document.size() / 2 - 1);
    for (std::size_t i = 2; i < document.size(); i += 2) {
      const unsigned hi = utf16le ? byte(i + 1) : byte(i);
      const unsigned lo = utf16le ? byte(i) : byte(i + 1);
      wide.push_back(static_cast<wchar_t>((hi << 8) | lo));
    }
    return wide;
  }
  const bool bom = document.size() >= 3 && byte(0) == 0xEF && byte(1) == 0xBB && byte(2) == 0xBF;
  const std::size_t skip = bom ? 3 : 0;
  return StrictUtf8ToWide(document.data() + skip, document.size() - skip);
}

// Checked on the text, not left to ProhibitDTD: Wine accepts that property and ignores it. Cautious: the
// mark inside a comment or CDATA section refuses the document too.
bool HasDocumentType(const std::wstring& text) {
  static const wchar_t kMark[] = L"<!doctype";
  const std::size_t n = sizeof(kMark) / sizeof(kMark[0]) - 1;
  for (std::size_t at = text.find(L'<'); at != std::wstring::npos && at + n <= text.size();
       at = text.find(L'<', at + 1)) {
    std::size_t i = 0;
    while (i < n && AsciiLower(text[at + i]) == kMark[i]) ++i;
    if (i == n) return true;
  }
  return false;
}

// XML 1.0 carries no other character below U+0020, not even as a reference; a NUL would also end
// the BSTR early.
bool HasControlCharacter(const std::wstring& text) {
  for (wchar_t c : text) {
    if (c < 0x20 && c != L'\t' && c != L'\n' && c != L'\r') return true;
  }
  return false;
}

bool IsXmlSpace(const std::wstring& text) {
  return text.find_first_not_of(L" \t\r\n") == std::wstring::npos;
}

}  // namespace velgaro::win32
