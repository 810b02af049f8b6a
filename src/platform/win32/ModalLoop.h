// The message loop of a modal window: the thread's messages are handled until done turns true. A
// WM_QUIT met on the way ends the loop and is posted again for the loop that owns the thread.
#pragma once

#include <windows.h>

namespace velgaro::win32 {

// preTranslate(MSG&) returns true when it has dealt with the message (IsDialogMessage, a shortcut).
template <class PreTranslate>
void RunModalLoop(const bool& done, PreTranslate preTranslate) {
  MSG msg{};
  while (!done) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (got < 0) break;
    if (!preTranslate(msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
}

// Shows window as a modal window of owner: the owner is disabled until done turns true, and enabled
// again before window goes, so that it, not another program, becomes active. The caller destroys window.
template <class PreTranslate>
void RunModalWindow(HWND window, HWND owner, const bool& done, PreTranslate preTranslate) {
  const bool disableOwner = owner != nullptr && IsWindowEnabled(owner);
  if (disableOwner) EnableWindow(owner, FALSE);
  ShowWindow(window, SW_SHOW);
  RunModalLoop(done, preTranslate);
  if (disableOwner) EnableWindow(owner, TRUE);
}

}  // namespace velgaro::win32
