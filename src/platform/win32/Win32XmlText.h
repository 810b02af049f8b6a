// What the XML adapter checks in a document's text before the DOM sees it: the text is hostile until
// checked, and Wine's DOM does not enforce every property it accepts.
#pragma once

#include <optional>
#include <string>

namespace velgaro::win32 {

// UTF-8 to UTF-16, strict: a broken sequence refuses the whole text instead of becoming U+FFFD.
std::optional<std::wstring> StrictUtf8ToWide(const char* data, std::size_t size);
// The document as UTF-16, decoded by its byte order mark (none: UTF-8); nullopt when it is not valid in
// that encoding (a broken UTF-8 sequence refuses the whole text instead of becoming U+FFFD).
std::optional<std::wstring> DecodeDocument(const std::string& document);
// A document type declaration anywhere in the text (checked on the text, not left to ProhibitDTD:
// Wine accepts that property and ignores it). Cautious: the mark inside a comment or CDATA section
// counts too.
bool HasDocumentType(const std::wstring& text);
// A character below U+0020 other than tab, line feed and carriage return: XML 1.0 carries none, not
// even as a reference, and a NUL would end a BSTR early.
bool HasControlCharacter(const std::wstring& text);
bool IsXmlSpace(const std::wstring& text);

}  // namespace velgaro::win32
