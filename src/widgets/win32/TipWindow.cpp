#include "widgets/win32/TipWindow.h"

#include "platform/win32/Handles.h"
#include "platform/win32/ModalLoop.h"
#include "platform/win32/WideText.h"

namespace velgaro::widgets {
namespace {

constexpr wchar_t kClassName[] = L"VelgaroTipWindow";
constexpr int kWidth = 420;
constexpr int kMargin = 12;
constexpr int kCheckId = 101;

struct TipState {
  bool closed = false;
  bool checked = false;
  HWND check = nullptr;
};

LRESULT CALLBACK TipProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* state = reinterpret_cast<TipState*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  switch (msg) {
    case WM_NCCREATE:
      SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
      break;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) PostMessageW(hwnd, WM_CLOSE, 0, 0);
      return 0;
    case WM_CLOSE:
      if (state != nullptr) {
        state->checked = SendMessageW(state->check, BM_GETCHECK, 0, 0) == BST_CHECKED;
        state->closed = true;
      }
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

HFONT MessageFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return nullptr;
  return CreateFontIndirectW(&metrics.lfMessageFont);
}

int TextHeight(HDC dc, const std::wstring& text, int width) {
  RECT r{0, 0, width, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  return r.bottom;
}

}  // namespace

bool ShowTip(HWND owner, const TipContent& content) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  if (!GetClassInfoExW(instance, kClassName, &wc)) {
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &TipProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    if (!RegisterClassExW(&wc)) return content.dontShowAgainChecked;
  }
  win32::UniqueGdiObject font(MessageFont());
  const std::wstring text = win32::ToWide(content.text);
  HDC screen = GetDC(nullptr);
  HGDIOBJ old = SelectObject(screen, font.Get());
  const int textHeight = TextHeight(screen, text, kWidth - 2 * kMargin);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);

  TipState state;
  const int clientHeight = kMargin + textHeight + kMargin + 22 + kMargin + 26 + kMargin;
  RECT frame{0, 0, kWidth, clientHeight};
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  AdjustWindowRectEx(&frame, style, FALSE, WS_EX_DLGMODALFRAME);
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  HWND hwnd = CreateWindowExW(WS_EX_DLGMODALFRAME | WS_EX_TOPMOST | WS_EX_CONTROLPARENT, kClassName,
                              win32::ToWide(content.caption).c_str(), style,
                              (GetSystemMetrics(SM_CXSCREEN) - width) / 2, (GetSystemMetrics(SM_CYSCREEN) - height) / 2,
                              width, height, owner, nullptr, instance, &state);
  if (hwnd == nullptr) return content.dontShowAgainChecked;
  const auto child = [&](const wchar_t* cls, const std::wstring& caption, DWORD flags, int id, int x, int y, int w, int h) {
    HWND c = CreateWindowExW(0, cls, caption.c_str(), WS_CHILD | WS_VISIBLE | flags, x, y, w, h, hwnd,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    if (c != nullptr && font) SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), FALSE);
    return c;
  };
  child(L"STATIC", text, SS_LEFT | SS_NOPREFIX, 0, kMargin, kMargin, kWidth - 2 * kMargin, textHeight);
  const int checkTop = kMargin + textHeight + kMargin;
  state.check = child(L"BUTTON", win32::ToWide(content.dontShowAgain), WS_TABSTOP | BS_AUTOCHECKBOX, kCheckId, kMargin,
                      checkTop, kWidth - 2 * kMargin, 22);
  SendMessageW(state.check, BM_SETCHECK, content.dontShowAgainChecked ? BST_CHECKED : BST_UNCHECKED, 0);
  HWND ok = child(L"BUTTON", L"OK", WS_TABSTOP | BS_DEFPUSHBUTTON, IDOK, kWidth - kMargin - 90, checkTop + 22 + kMargin,
                  90, 26);
  const bool ownerEnabled = owner != nullptr && IsWindowEnabled(owner);
  if (ownerEnabled) EnableWindow(owner, FALSE);
  ShowWindow(hwnd, SW_SHOW);
  SetForegroundWindow(hwnd);
  SetFocus(ok);
  win32::RunModalLoop(state.closed, [hwnd](MSG& msg) { return IsDialogMessageW(hwnd, &msg) != FALSE; });
  if (!state.closed) state.checked = SendMessageW(state.check, BM_GETCHECK, 0, 0) == BST_CHECKED;
  if (ownerEnabled) EnableWindow(owner, TRUE);
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
  DestroyWindow(hwnd);
  return state.checked;
}

}  // namespace velgaro::widgets
