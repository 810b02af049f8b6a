// Comparing names as Windows does: without regard to letter case, and with "*" and "?" wildcards.
#pragma once

#include <string>

namespace velgaro {

// Lower-cases ASCII and the Cyrillic capitals (two-byte UTF-8) without changing byte lengths, so
// positions in the folded text are positions in the original.
std::string FoldCase(const std::string& text);

// Only the letters A-Z and a-z changed; every other byte as it was.
std::string ToUpperAscii(std::string text);
std::string ToLowerAscii(std::string text);

// "*" and "?" wildcards, without regard to case.
bool WildcardMatch(const std::string& name, const std::string& pattern);

}  // namespace velgaro
