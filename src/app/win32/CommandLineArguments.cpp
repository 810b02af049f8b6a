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

std::string AbsolutePath(const std::string& path) {
  const std::wstring wide = ToWide(path);
  const DWORD size = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (size == 0) return path;
  std::wstring full(size, L'\0');
  const DWORD written = GetFullPathNameW(wide.c_str(), size, full.data(), nullptr);
  if (written == 0 || written >= size) return path;
  full.resize(written);
  return ToUtf8(full);
}

}  // namespace velgaro::win32
