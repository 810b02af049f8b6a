// Text operations of the command-line parser: cutting out a switch, splitting off a token, and the
// part of a text between double quotes.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace velgaro {

struct SwitchCut {
  std::string line;   // the line with the switch removed, or unchanged when not found
  bool found = false;
};

// Removes the first occurrence of sw (any letter case) when blanks or the line's ends delimit it.
// An undelimited first occurrence hides any later one.
SwitchCut ExtractSwitch(const std::string& line, const std::string& sw);

// Splits off the first token: a double-quoted text, or the text up to a blank, "/" or double quote.
// On success text keeps the trimmed remainder; nullopt when there is no (non-blank) token or the
// closing quote is missing.
std::optional<std::string> TakeFirstToken(std::string& text);

// The text between the first double quote and the next; the trimmed text when it has no double quote
// or only one at its very end; the trimmed text after a lone opening quote.
std::string QuotedPart(const std::string& text);

}  // namespace velgaro
