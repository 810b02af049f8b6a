#include "platform/TextFold.h"

namespace velgaro {

std::string FoldCase(const std::string& text) {
  std::string out = text;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const auto c = static_cast<unsigned char>(out[i]);
    if (c >= 'A' && c <= 'Z') {
      out[i] = static_cast<char>(c + 32);
    } else if (c == 0xD0 && i + 1 < out.size()) {
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

bool WildcardMatch(const std::string& name, const std::string& pattern) {
  const std::string n = FoldCase(name);
  const std::string p = FoldCase(pattern);
  std::size_t ni = 0, pi = 0, star = std::string::npos, mark = 0;
  while (ni < n.size()) {
    if (pi < p.size() && (p[pi] == '?' || p[pi] == n[ni])) {
      ++ni;
      ++pi;
    } else if (pi < p.size() && p[pi] == '*') {
      star = pi++;
      mark = ni;
    } else if (star != std::string::npos) {
      pi = star + 1;
      ni = ++mark;
    } else {
      return false;
    }
  }
  while (pi < p.size() && p[pi] == '*') ++pi;
  return pi == p.size();
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

}  // namespace velgaro
