#include "platform/win32/Win32MessagePump.h"

#include <windows.h>

namespace velgaro::win32 {

void Win32MessagePump::RunOnce() {
  MSG msg{};
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // Not ours to consume: put it back for the loop that owns the thread.
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

}  // namespace velgaro::win32
