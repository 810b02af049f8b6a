// Text helpers of PathVariables.h: blanks, ASCII case, and search without regard to case.
#include "package/paths/PathVariables.h"

namespace velgaro {
namespace {

// Folds letter case without changing byte lengths, so positions in the folded text are positions in
// the original: ASCII, and the Cyrillic capitals (two-byte UTF-8) that user names and folders carry.
std::string FoldCase(const std::string& s) {
  std::string out = s;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const auto c = static_cast<unsigned char>(out[i]);
    if (c >= 'A' && c <= 'Z') {
      out[i] = static_cast<char>(c + 32);
    } else if ((c == 0xD0 || c == 0xD1) && i + 1 < out.size()) {
      const auto d = static_cast<unsigned char>(out[i + 1]);
      unsigned cp = ((c & 0x1Fu) << 6) | (d & 0x3Fu);
      if (cp >= 0x400 && cp <= 0x40F) cp += 0x50;        // Ѐ..Џ
      else if (cp >= 0x410 && cp <= 0x42F) cp += 0x20;   // А..Я
      out[i] = static_cast<char>(0xC0u | (cp >> 6));
      out[i + 1] = static_cast<char>(0x80u | (cp & 0x3Fu));
      ++i;
    }
  }
  return out;
}

}  // namespace

std::string Trim(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  const std::size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

std::string ToUpperAscii(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

std::string ToLowerAscii(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

std::size_t FindNoCase(const std::string& haystack, const std::string& needle, std::size_t from) {
  return FoldCase(haystack).find(FoldCase(needle), from);
}

}  // namespace velgaro
