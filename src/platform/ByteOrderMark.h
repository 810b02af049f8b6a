// A document's bytes read by their byte order mark, as both XML adapters take them: UTF-16 in either
// byte order as code units, anything else as UTF-8 without its mark, whatever the declaration inside
// the document names.
#pragma once

#include <optional>
#include <string>

namespace velgaro {

struct MarkedText {
  bool utf16 = false;
  std::u16string units;   // utf16: the code units after the mark
  std::string utf8;       // otherwise: the bytes after the UTF-8 mark, if there was one (not checked)
};

// nullopt when a UTF-16 mark is followed by an odd number of bytes.
std::optional<MarkedText> ReadByteOrderMark(const std::string& document);

}  // namespace velgaro
