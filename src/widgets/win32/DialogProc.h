// The one static dialog procedure of the library's dialogs: it finds the C++ object through DWLP_USER
// (set from the creation parameter at WM_INITDIALOG) and hands it the message. Messages before
// WM_INITDIALOG get the dialog manager's default handling. No exception unwinds into the dialog manager.
#pragma once

#include <windows.h>

namespace velgaro::widgets {

template <class T>
INT_PTR ForwardToDialogObject(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                              INT_PTR (T::*handle)(HWND, UINT, WPARAM, LPARAM)) {
  if (msg == WM_INITDIALOG) SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
  auto* self = reinterpret_cast<T*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  if (self == nullptr) return FALSE;
  try {
    return (self->*handle)(hwnd, msg, wParam, lParam);
  } catch (...) {
    return FALSE;
  }
}

}  // namespace velgaro::widgets
