#include "app/CommandLineText.h"

#include <cstddef>

#include "package/paths/PathVariables.h"

namespace velgaro {

SwitchCut ExtractSwitch(const std::string& line, const std::string& sw) {
  const std::size_t at = FindNoCase(line, sw);
  if (sw.empty() || at == std::string::npos) return {line, false};
  const std::size_t end = at + sw.size();
  const bool startDelimited = at == 0 || line[at - 1] == ' ';
  const bool endDelimited = end == line.size() || line[end] == ' ';
  if (!startDelimited || !endDelimited) return {line, false};
  return {line.substr(0, at) + line.substr(end), true};
}

std::optional<std::string> TakeFirstToken(std::string& text) {
  text = Trim(text);
  std::string token;
  std::string rest;
  if (text.empty() || text[0] != '"') {
    const std::size_t end = text.find_first_of(" /\"");
    token = text.substr(0, end);
    rest = end == std::string::npos ? std::string() : text.substr(end);
  } else {
    const std::size_t close = text.find('"', 1);
    if (close == std::string::npos) return std::nullopt;
    token = text.substr(1, close - 1);
    rest = text.substr(close + 1);
  }
  token = Trim(token);
  if (token.empty()) return std::nullopt;
  text = Trim(rest);
  return token;
}

std::string QuotedPart(const std::string& text) {
  const std::string t = Trim(text);
  const std::size_t open = t.find('"');
  if (open == std::string::npos || open + 1 == t.size()) return t;
  const std::size_t close = t.find('"', open + 1);
  if (close == std::string::npos) return Trim(t.substr(open + 1));
  return t.substr(open + 1, close - open - 1);
}

}  // namespace velgaro
