// Position.lst: the user's order of the package list, kept in the package folder. One name per line,
// CR LF after each, the first line empty; ANSI text.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/Ports.h"

namespace velgaro {

inline constexpr const char* kOrderFileName = "Position.lst";

// The lines of the file's text: a line ends at CR, and an LF right after it is skipped.
std::vector<std::string> ParseOrderLines(const std::string& text);
// The file's text for these names, in this order.
std::string FormatOrderFile(const std::vector<std::string>& names);

// Moves the names listed in lines to the front, in the lines' order, by swapping: for each line, the
// first name equal to it (case counts) trades places with the next front place. Lines that name
// nothing are skipped. meanwhile, when given, is called every few thousand names or lines.
void ApplySavedOrder(std::vector<std::string>& names, const std::vector<std::string>& lines,
                     const std::function<void()>& meanwhile = {});

// The lines of the folder's order file; nullopt when there is none, or it is too large to be one.
std::optional<std::vector<std::string>> ReadOrderFile(const FileSystem& fs, const Codepage& codepage,
                                                      const std::string& folder);
// Replaces the folder's order file only once the new one is written; false when it could not be.
bool WriteOrderFile(FileSystem& fs, const Codepage& codepage, const std::string& folder,
                    const std::vector<std::string>& names);

}  // namespace velgaro
