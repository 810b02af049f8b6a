#include "platform/win32/Win32Codepage.h"

#include "platform/win32/WideText.h"

namespace velgaro::win32 {

std::string Win32Codepage::ToAnsi(const std::string& utf8) const { return WideToAnsi(ToWide(utf8)); }

std::string Win32Codepage::FromAnsi(const std::string& bytes) const { return ToUtf8(AnsiToWide(bytes)); }

}  // namespace velgaro::win32
