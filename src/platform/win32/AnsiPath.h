// Paths for the single-byte (A) API, which sees only what the ANSI code page can spell.
#pragma once

#include <optional>
#include <string>

namespace velgaro::win32 {

// The path in the ANSI code page. A path with characters the code page lacks is given by its short
// (8.3) form when the file or its folder exists and has one; otherwise nullopt.
std::optional<std::string> AnsiPath(const std::string& utf8Path);

}  // namespace velgaro::win32
