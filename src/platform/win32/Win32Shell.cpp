#include "platform/win32/Win32Shell.h"

#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "platform/win32/WideText.h"

namespace velgaro::win32 {

bool Win32Shell::Open(const std::string& target) {
  const std::wstring wide = ToWide(target);
  if (wide.empty() || wide.find(L'\0') != std::wstring::npos) return false;
  const auto result = reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, L"open", wide.c_str(), nullptr, nullptr, SW_SHOW));
  return result > 32;   // ShellExecute's success values
}

bool Win32Shell::RunMinimized(const std::string& commandLine) {
  const std::wstring wide = ToWide(commandLine);
  if (wide.empty() || wide.find(L'\0') != std::wstring::npos) return false;
  std::vector<wchar_t> line(wide.begin(), wide.end());
  line.push_back(L'\0');
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  si.dwFlags = STARTF_USESHOWWINDOW;
  si.wShowWindow = SW_SHOWMINIMIZED;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return false;
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return true;
}

}  // namespace velgaro::win32
