#include "widgets/win32/TipWindow.h"

#include "platform/win32/Handles.h"
#include "platform/win32/ModalLoop.h"
#include "platform/win32/WideText.h"
#include "widgets/win32/Controls.h"
#include "widgets/win32/TopWindow.h"

namespace velgaro::widgets {
namespace {

constexpr wchar_t kClassName[] = L"VelgaroTipWindow";
constexpr int kWidth = 420;
constexpr int kMargin = 12;
constexpr int kCheckId = 101;

int TextHeight(HFONT font, const std::wstring& text, int width) {
  HDC screen = GetDC(nullptr);
  HGDIOBJ old = SelectObject(screen, font);
  RECT r{0, 0, width, 0};
  DrawTextW(screen, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  return r.bottom;
}

class TipWindow : public TopWindow {
 public:
  explicit TipWindow(const TipContent& content) : content_(content), checked_(content.dontShowAgainChecked) {}
  ~TipWindow() override { DestroyTopWindow(); }

  // The window made and sized to the text; false when it cannot be.
  bool Create(HWND owner);
  // Runs until OK, Esc or the close box; the state of the box then.
  bool Run(HWND owner);

 private:
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  HWND Child(const wchar_t* cls, const std::wstring& caption, DWORD flags, int id, const RECT& at);

  const TipContent& content_;
  win32::UniqueGdiObject font_{MessageFont()};
  HWND check_ = nullptr, ok_ = nullptr;
  bool closed_ = false;
  bool checked_;
};

bool TipWindow::Create(HWND owner) {
  const std::wstring text = win32::ToWide(content_.text);
  const int textHeight = TextHeight(static_cast<HFONT>(font_.Get()), text, kWidth - 2 * kMargin);
  const int clientHeight = kMargin + textHeight + kMargin + 22 + kMargin + 26 + kMargin;
  RECT frame{0, 0, kWidth, clientHeight};
  Placement p{WS_EX_DLGMODALFRAME | WS_EX_TOPMOST | WS_EX_CONTROLPARENT, WS_POPUP | WS_CAPTION | WS_SYSMENU};
  AdjustWindowRectEx(&frame, p.style, FALSE, p.exStyle);
  p.width = frame.right - frame.left;
  p.height = frame.bottom - frame.top;
  p.left = (GetSystemMetrics(SM_CXSCREEN) - p.width) / 2;
  p.top = (GetSystemMetrics(SM_CYSCREEN) - p.height) / 2;
  p.owner = owner;
  if (!CreateTopWindow(kClassName, {}, content_.caption, p)) return false;
  const int inner = kWidth - 2 * kMargin;
  Child(L"STATIC", text, SS_LEFT | SS_NOPREFIX, 0, {kMargin, kMargin, inner, textHeight});
  const int checkTop = kMargin + textHeight + kMargin;
  check_ = Child(L"BUTTON", win32::ToWide(content_.dontShowAgain), WS_TABSTOP | BS_AUTOCHECKBOX, kCheckId,
                 {kMargin, checkTop, inner, 22});
  SetChecked(check_, content_.dontShowAgainChecked);
  ok_ = Child(L"BUTTON", L"OK", WS_TABSTOP | BS_DEFPUSHBUTTON, IDOK, {kWidth - kMargin - 90, checkTop + 22 + kMargin, 90, 26});
  return true;
}

// at: left, top, width, height.
HWND TipWindow::Child(const wchar_t* cls, const std::wstring& caption, DWORD flags, int id, const RECT& at) {
  HWND child = CreateWindowExW(0, cls, caption.c_str(), WS_CHILD | WS_VISIBLE | flags, at.left, at.top, at.right,
                               at.bottom, Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               GetModuleHandleW(nullptr), nullptr);
  SetControlFont(child, static_cast<HFONT>(font_.Get()));
  return child;
}

bool TipWindow::Run(HWND owner) {
  ShowWindow(Handle(), SW_SHOW);
  SetForegroundWindow(Handle());
  SetFocus(ok_);
  win32::RunModalWindow(Handle(), owner, closed_,
                        [this](MSG& msg) { return IsDialogMessageW(Handle(), &msg) != FALSE; });
  if (!closed_) checked_ = IsChecked(check_);
  return checked_;
}

LRESULT TipWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) PostMessageW(Handle(), WM_CLOSE, 0, 0);
      return 0;
    case WM_CLOSE:
      checked_ = IsChecked(check_);
      closed_ = true;
      return 0;
    default:
      return DefaultHandling(msg, wParam, lParam);
  }
}

}  // namespace

bool ShowTip(HWND owner, const TipContent& content) {
  TipWindow tip(content);
  if (!tip.Create(owner)) return content.dontShowAgainChecked;
  return tip.Run(owner);
}

}  // namespace velgaro::widgets
