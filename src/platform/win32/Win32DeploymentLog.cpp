#include "platform/win32/Win32DeploymentLog.h"

#include <windows.h>

#include "platform/win32/WideText.h"

namespace velgaro::win32 {
namespace {

constexpr DWORD kErrorEventId = 1;

// A console is written in UTF-16 so that any code page shows the path; a pipe or a file gets UTF-8.
void ToStandardError(const std::string& line) {
  HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
  if (error == nullptr || error == INVALID_HANDLE_VALUE) return;
  DWORD mode = 0;
  DWORD written = 0;
  if (GetConsoleMode(error, &mode)) {
    const std::wstring wide = ToWide(line + "\r\n");
    WriteConsoleW(error, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    return;
  }
  const std::string bytes = line + "\r\n";
  WriteFile(error, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

// Without a message file registered for the source the event viewer shows the line as the event's
// inserted text; registering one would need an administrator's rights at every start.
void ToEventLog(const std::string& line) {
  HANDLE source = RegisterEventSourceW(nullptr, kEventSource);
  if (source == nullptr) return;
  const std::wstring wide = ToWide(line);
  LPCWSTR strings[] = {wide.c_str()};
  ReportEventW(source, EVENTLOG_ERROR_TYPE, 0, kErrorEventId, nullptr, 1, 0, strings, nullptr);
  DeregisterEventSource(source);
}

}  // namespace

void Win32DeploymentLog::Error(const std::string& line) {
  ToStandardError(line);
  ToEventLog(line);
}

}  // namespace velgaro::win32
