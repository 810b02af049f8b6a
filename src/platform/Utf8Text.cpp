#include "platform/Utf8Text.h"

namespace velgaro {
namespace {

bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0u) == 0x80u; }

}  // namespace

std::size_t CharacterCount(const std::string& utf8) {
  std::size_t count = 0;
  for (const char c : utf8) {
    if (!IsContinuation(c)) ++count;
  }
  return count;
}

std::size_t CharacterSize(const std::string& utf8, std::size_t pos) {
  if (pos >= utf8.size()) return 0;
  const auto lead = static_cast<unsigned char>(utf8[pos]);
  if (lead < 0xC0) return 1;  // ASCII, or a stray continuation byte
  std::size_t size = 1;
  while (size < 4 && pos + size < utf8.size() && IsContinuation(utf8[pos + size])) ++size;
  return size;
}

std::string FirstCharacters(const std::string& utf8, std::size_t maxChars) {
  std::size_t chars = 0;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    if (IsContinuation(utf8[i])) continue;
    if (chars == maxChars) return utf8.substr(0, i);
    ++chars;
  }
  return utf8;
}

}  // namespace velgaro
