#include "app/win32/CommandLineArguments.h"

#include <windows.h>

#include "platform/win32/WideText.h"

namespace velgaro::win32 {

std::wstring SkipProgramName(const std::wstring& commandLine) {
  std::size_t end = 0;
  if (!commandLine.empty() && commandLine[0] == L'"') {
    const std::size_t closing = commandLine.find(L'"', 1);
    end = closing == std::wstring::npos ? commandLine.size() : closing + 1;
  } else {
    end = commandLine.find_first_of(L" \t");
    if (end == std::wstring::npos) end = commandLine.size();
  }
  const std::size_t start = commandLine.find_first_not_of(L" \t", end);
  return start == std::wstring::npos ? std::wstring() : commandLine.substr(start);
}

std::string CommandLineArguments() {
  const wchar_t* whole = GetCommandLineW();
  return whole == nullptr ? std::string() : ToUtf8(SkipProgramName(whole));
}

}  // namespace velgaro::win32
