// Text helpers of PathVariables.h: blanks, ASCII case, and search without regard to case.
#include "package/paths/PathVariables.h"

#include "platform/TextFold.h"

namespace velgaro {

std::string Trim(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  const std::size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}


std::size_t FindNoCase(const std::string& haystack, const std::string& needle, std::size_t from) {
  return FoldCase(haystack).find(FoldCase(needle), from);
}

}  // namespace velgaro
