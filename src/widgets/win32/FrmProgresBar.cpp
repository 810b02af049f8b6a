#include "widgets/win32/FrmProgresBar.h"

#include <commctrl.h>

#include "platform/win32/WideText.h"
#include "widgets/win32/Controls.h"

namespace velgaro::widgets {
namespace {

// Shape1's size: the window takes it as its own.
constexpr int kWidth = 320;
constexpr int kHeight = 64;
constexpr int kMargin = 10;
constexpr int kBarHeight = 18;

}  // namespace

bool FrmProgresBar::Show(HWND owner, const std::string& label) {
  font_.Reset(MessageFont());
  RECT over{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (owner != nullptr && IsWindowVisible(owner)) GetWindowRect(owner, &over);
  const int left = over.left + (over.right - over.left - kWidth) / 2;
  const int top = over.top + (over.bottom - over.top - kHeight) / 2;
  const Placement placement{WS_EX_TOOLWINDOW | WS_EX_TOPMOST, WS_POPUP | WS_BORDER, left, top, kWidth, kHeight, owner};
  if (!CreateTopWindow(kClassName, {IDC_WAIT}, label, placement)) return false;
  HWND hwnd = Handle();
  HINSTANCE instance = GetModuleHandleW(nullptr);
  const std::wstring caption = win32::ToWide(label);
  label_ = CreateWindowExW(0, L"STATIC", caption.c_str(), WS_CHILD | WS_VISIBLE | SS_CENTER, kMargin, 8,
                           kWidth - 2 * kMargin, 18, hwnd, nullptr, instance, nullptr);
  pctProgres_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_NOTIFY, kMargin, 30,
                                kWidth - 2 * kMargin - 2, kBarHeight, hwnd, nullptr, instance, nullptr);
  if (pctProgres_ != nullptr) {
    SetWindowSubclass(pctProgres_, &FrmProgresBar::PictureProc, 1, reinterpret_cast<DWORD_PTR>(this));
  }
  for (HWND child : {label_, pctProgres_}) SetControlFont(child, static_cast<HFONT>(font_.Get()));
  ShowWindow(hwnd, SW_SHOWNOACTIVATE);
  UpdateWindow(hwnd);
  return true;
}

LRESULT FrmProgresBar::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_CLOSE) return 0;   // it goes when the reading is over
  return DefaultHandling(msg, wParam, lParam);
}

LRESULT CALLBACK FrmProgresBar::PictureProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                            DWORD_PTR self) {
  if (msg == WM_NCDESTROY) RemoveWindowSubclass(hwnd, &FrmProgresBar::PictureProc, 1);
  const LRESULT result = DefSubclassProc(hwnd, msg, wParam, lParam);
  auto* window = reinterpret_cast<FrmProgresBar*>(self);
  if (msg == WM_PAINT && window->bar_ != nullptr) window->bar_->Redraw();
  return result;
}

}  // namespace velgaro::widgets
