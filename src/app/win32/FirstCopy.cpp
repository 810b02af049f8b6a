#include "app/win32/FirstCopy.h"

#include <windows.h>

#include "app/SingleInstance.h"
#include "app/win32/MainWindowClass.h"
#include "platform/win32/WideText.h"

namespace velgaro::win32 {
namespace {

// GetWindowText as the caption test sees it: at most 255 characters.
std::string CaptionOf(HWND window) {
  wchar_t buffer[256] = {};
  const int length = GetWindowTextW(window, buffer, 256);
  return ToUtf8(WideFromBuffer(buffer, length > 0 ? static_cast<std::size_t>(length) : 0));
}

HWND FindFirstCopyWindow() {
  HWND found = nullptr;
  while ((found = FindWindowExW(nullptr, found, kMainWindowClass, nullptr)) != nullptr) {
    if (IsFirstCopyCaption(CaptionOf(found))) return found;
  }
  return nullptr;
}

}  // namespace

bool AcquireSingleInstance(UniqueHandle& semaphore) {
  semaphore.Reset(CreateSemaphoreW(nullptr, 0, 1, ToWide(kSingleInstanceName).c_str()));
  const DWORD error = GetLastError();
  return semaphore && error != ERROR_ALREADY_EXISTS;
}

bool BringFirstCopyForward() {
  HWND window = FindFirstCopyWindow();
  if (window == nullptr) return false;
  SetForegroundWindow(window);
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  if (GetWindowPlacement(window, &placement) && placement.showCmd == SW_SHOWMINIMIZED) {
    // Shown normal again by its own thread: SetWindowPlacement would wait for the first copy (busy reading
    // a large folder, say), and under Wine it fails for another process's window.
    ShowWindowAsync(window, SW_SHOWNORMAL);
  }
  ProcessPendingMessages();
  return true;
}

void ProcessPendingMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));  // leave it for the main loop
      return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace velgaro::win32
