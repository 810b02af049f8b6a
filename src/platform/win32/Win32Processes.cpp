#include "platform/win32/Win32Processes.h"

#include <windows.h>

#include <vector>

#include "platform/win32/WideText.h"

namespace velgaro::win32 {

std::optional<std::int32_t> Win32Processes::Start(const std::string& commandLine) {
  // CreateProcessW may write into the command line, so it gets its own terminated copy.
  const std::wstring wide = ToWide(commandLine);
  if (wide.empty() || wide.find(L'\0') != std::wstring::npos) return std::nullopt;
  std::vector<wchar_t> line(wide.begin(), wide.end());
  line.push_back(L'\0');

  STARTUPINFOW si{};
  si.cb = sizeof(si);
  si.dwFlags = STARTF_USESHOWWINDOW;
  si.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    return std::nullopt;
  }
  CloseHandle(pi.hThread);
  lastStarted_.Reset(pi.hProcess);
  return static_cast<std::int32_t>(pi.dwProcessId);
}

ProcessHandle Win32Processes::OpenForWait(std::int32_t processId) {
  HANDLE h = OpenProcess(SYNCHRONIZE, TRUE, static_cast<DWORD>(processId));
  return reinterpret_cast<ProcessHandle>(h);
}

std::int32_t Win32Processes::WaitZero(ProcessHandle handle) {
  // WAIT_FAILED (0xFFFFFFFF) reads as -1.
  return static_cast<std::int32_t>(WaitForSingleObject(reinterpret_cast<HANDLE>(handle), 0));
}

void Win32Processes::Close(ProcessHandle handle) {
  if (handle != 0) CloseHandle(reinterpret_cast<HANDLE>(handle));
}

}  // namespace velgaro::win32
