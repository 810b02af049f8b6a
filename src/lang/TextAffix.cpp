// Small text helpers that callers apply to looked-up texts.
#include <cstddef>

#include "lang/Language.h"
#include "platform/Utf8Text.h"

namespace velgaro {

namespace {

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.size() >= prefix.size() && text.compare(0, prefix.size(), prefix) == 0;
}

bool EndsWith(const std::string& text, const std::string& suffix) {
  return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

}  // namespace

std::string EnsureAffix(const std::string& text, bool atStart, const std::string& affix) {
  if (text.empty()) return std::string();
  // Characters, not bytes: a one-letter Cyrillic text is two bytes of UTF-8 but still shorter than ". ".
  if (CharacterCount(text) < CharacterCount(affix)) return text;
  if (atStart) return StartsWith(text, affix) ? text : affix + text;
  return EndsWith(text, affix) ? text : text + affix;
}

std::string ReplaceParam(const std::string& text, const std::string& value) {
  if (text.empty()) return std::string();
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] == '%' && (text[i + 1] == 's' || text[i + 1] == 'S')) {
      return text.substr(0, i) + value + text.substr(i + 2);
    }
  }
  return text;
}

}  // namespace velgaro
