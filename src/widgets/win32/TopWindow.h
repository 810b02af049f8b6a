// The life of a top-level window of one of the program's own classes: the class registered once, the
// window created with this object behind it, its messages handed to HandleMessage, and the window
// unhooked and destroyed with the object (or earlier, by DestroyTopWindow).
#pragma once

#include <windows.h>

#include <string>

#include "platform/win32/Handles.h"
#include "widgets/win32/WindowClass.h"

namespace velgaro::widgets {

class TopWindow {
 public:
  virtual ~TopWindow();
  TopWindow(const TopWindow&) = delete;
  TopWindow& operator=(const TopWindow&) = delete;

  HWND Handle() const { return hwnd_.Get(); }

 protected:
  struct Placement {
    DWORD exStyle = 0;
    DWORD style = 0;
    int left = 0, top = 0, width = 0, height = 0;
    HWND owner = nullptr;
    HMENU menu = nullptr;
  };

  TopWindow() = default;
  // Registers className (look) unless it is there, and creates the window: false when either fails.
  bool CreateTopWindow(LPCWSTR className, const WindowClassLook& look, const std::string& caption,
                       const Placement& placement);
  // Unhooks the window, so that no message reaches a half-destroyed object, and destroys it.
  void DestroyTopWindow();
  // The window's messages from WM_NCCREATE on; what it leaves goes to DefWindowProc.
  virtual LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) = 0;
  LRESULT DefaultHandling(UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd_.Get(), msg, wParam, lParam);
  }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

  win32::UniqueWindow hwnd_;
};

}  // namespace velgaro::widgets
