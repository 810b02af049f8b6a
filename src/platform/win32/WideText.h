// UTF-8 inside the program, UTF-16 at the wide Win32 API, the ANSI code page where Windows keeps
// single-byte text. All conversions keep embedded NUL characters.
#pragma once

#include <string>

namespace velgaro::win32 {

// Invalid UTF-8 sequences become U+FFFD.
std::wstring ToWide(const std::string& utf8);
std::string ToUtf8(const std::wstring& wide);

// A path for the wide API; empty when it holds a NUL character, which the API would read as its end.
std::wstring ToWidePath(const std::string& utf8);

// CP_ACP. Characters the code page lacks become '?', never a look-alike (no best-fit mapping).
std::string WideToAnsi(const std::wstring& wide);
std::wstring AnsiToWide(const std::string& ansi);

// Text of a NUL-terminated buffer of at most capacity characters.
std::wstring WideFromBuffer(const wchar_t* buffer, std::size_t capacity);

}  // namespace velgaro::win32
