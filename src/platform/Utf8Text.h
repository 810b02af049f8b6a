// Counting and cutting UTF-8 texts by characters, not bytes: the limits users see count letters,
// Cyrillic ones (two bytes each) included.
#pragma once

#include <cstddef>
#include <string>

namespace velgaro {

// Characters (not bytes) of a UTF-8 text.
std::size_t CharacterCount(const std::string& utf8);
// Bytes taken by the UTF-8 character that starts at pos (1 for a stray continuation byte, 0 past the end).
std::size_t CharacterSize(const std::string& utf8, std::size_t pos);
// The first maxChars characters of a UTF-8 text; the whole text when it is no longer.
std::string FirstCharacters(const std::string& utf8, std::size_t maxChars);

}  // namespace velgaro
