#include "platform/ByteOrderMark.h"

namespace velgaro {

std::optional<MarkedText> ReadByteOrderMark(const std::string& document) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(document[i]); };
  const bool utf16le = document.size() >= 2 && byte(0) == 0xFF && byte(1) == 0xFE;
  const bool utf16be = document.size() >= 2 && byte(0) == 0xFE && byte(1) == 0xFF;
  MarkedText text;
  if (utf16le || utf16be) {
    if (document.size() % 2 != 0) return std::nullopt;
    text.utf16 = true;
    text.units.reserve(document.size() / 2 - 1);
    for (std::size_t i = 2; i < document.size(); i += 2) {
      const unsigned hi = utf16le ? byte(i + 1) : byte(i);
      const unsigned lo = utf16le ? byte(i) : byte(i + 1);
      text.units.push_back(static_cast<char16_t>((hi << 8) | lo));
    }
    return text;
  }
  const bool bom = document.size() >= 3 && byte(0) == 0xEF && byte(1) == 0xBB && byte(2) == 0xBF;
  text.utf8 = document.substr(bom ? 3 : 0);
  return text;
}

}  // namespace velgaro
