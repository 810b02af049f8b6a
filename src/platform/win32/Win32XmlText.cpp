#include "platform/win32/Win32XmlText.h"

#include <windows.h>

#include <climits>

#include "platform/ByteOrderMark.h"

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

std::optional<std::wstring> DecodeDocument(const std::string& document) {
  const std::optional<MarkedText> text = ReadByteOrderMark(document);
  if (!text) return std::nullopt;
  // wchar_t is a UTF-16 code unit here: the units go to the DOM as they are, as Windows takes them.
  if (text->utf16) return std::wstring(text->units.begin(), text->units.end());
  return StrictUtf8ToWide(text->utf8.data(), text->utf8.size());
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
