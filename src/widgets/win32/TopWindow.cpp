#include "widgets/win32/TopWindow.h"

#include "platform/win32/WideText.h"
#include "platform/win32/WindowProc.h"

namespace velgaro::widgets {

TopWindow::~TopWindow() { DestroyTopWindow(); }

void TopWindow::DestroyTopWindow() {
  if (hwnd_) SetWindowLongPtrW(hwnd_.Get(), GWLP_USERDATA, 0);
  hwnd_.Reset();
}

bool TopWindow::CreateTopWindow(LPCWSTR className, const WindowClassLook& look, const std::string& caption,
                                const Placement& p) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  if (!RegisterClassOnce(instance, className, &TopWindow::WindowProc, look)) return false;
  const std::wstring title = win32::ToWide(caption);
  if (CreateWindowExW(p.exStyle, className, title.c_str(), p.style, p.left, p.top, p.width, p.height, p.owner,
                      p.menu, instance, this) != nullptr) {
    return true;
  }
  hwnd_.Release();   // a window destroyed during creation has already gone
  return false;
}

LRESULT CALLBACK TopWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return win32::ForwardToWindowObject(hwnd, msg, wParam, lParam, &TopWindow::hwnd_, &TopWindow::HandleMessage);
}

}  // namespace velgaro::widgets
