// Windows-1251, the ANSI code page of Cyrillic Windows: the single-byte text of INI files and packages.
#pragma once

#include <string>

namespace velgaro {

// UTF-8 to Windows-1251; characters outside the code page and invalid UTF-8 sequences become '?'.
std::string Utf8ToCp1251(const std::string& utf8);
// Windows-1251 to UTF-8; every byte maps to one character (a zero byte stays NUL).
std::string Cp1251ToUtf8(const std::string& bytes);

}  // namespace velgaro
