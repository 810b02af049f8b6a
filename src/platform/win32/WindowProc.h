// The one static window procedure of every window class: it finds the C++ object through
// GWLP_USERDATA (set from CreateWindowEx's parameter at WM_NCCREATE) and hands it the message.
// No exception unwinds through DispatchMessage.
#pragma once

#include <windows.h>

#include "platform/win32/Handles.h"

namespace velgaro::win32 {

template <class T>
LRESULT ForwardToWindowObject(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UniqueWindow T::*window,
                              LRESULT (T::*handle)(UINT, WPARAM, LPARAM)) {
  if (msg == WM_NCCREATE) {
    auto* created = static_cast<T*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    // A window of the class made by someone else (a test, another copy's search) has no object.
    if (created == nullptr) return DefWindowProcW(hwnd, msg, wParam, lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    (created->*window).Reset(hwnd);
  }
  auto* self = reinterpret_cast<T*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(hwnd, msg, wParam, lParam);
  try {
    return (self->*handle)(msg, wParam, lParam);
  } catch (...) {
    return 0;
  }
}

}  // namespace velgaro::win32
