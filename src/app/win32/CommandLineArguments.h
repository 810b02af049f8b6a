// The process's command line as the program reads it: without the program name.
#pragma once

#include <string>

namespace velgaro::win32 {

// What follows the program name of a whole command line, with the blanks between them removed.
// The name ends at the closing quote when it begins with one, else at the first blank or tab.
std::wstring SkipProgramName(const std::wstring& commandLine);

// SkipProgramName of GetCommandLineW, in UTF-8.
std::string CommandLineArguments();

// GetFullPathNameW: path taken from the current folder; path itself when the call fails.
std::string AbsolutePath(const std::string& path);

}  // namespace velgaro::win32
