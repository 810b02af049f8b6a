// lookalike: another program's windows titled like an installer's, for the end-to-end tests. One top-most
// dialog ("#32770") per title given, stacked at the left edge of the screen, each with the buttons of an
// installer's pages ("&Next >", "&Install", "&Finish") and an inner page without caption that holds an
// edit field and an accept box, so that a recorded window chain could be walked down any of them.
//   lookalike SECONDS TITLE...
// Prints "ready" once every window shows, then one line per press on any of them:
// pressed CLASS "TEXT" in "TITLE". Ends after SECONDS: exit code 0, or 1 when anything was pressed.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "HelperText.h"

namespace {

constexpr int kWidth = 210, kHeight = 170, kPitch = 185;   // left of a centred installer
bool pressed = false;

std::wstring TextOf(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

void Report(HWND window) {
  wchar_t cls[64] = {};
  GetClassNameW(window, cls, 64);
  std::printf("pressed %s \"%s\" in \"%s\"\n", Utf8(cls).c_str(), Utf8(TextOf(window)).c_str(),
              Utf8(TextOf(GetAncestor(window, GA_ROOT))).c_str());
  std::fflush(stdout);
  pressed = true;
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PARENTNOTIFY: {
      const UINT event = LOWORD(wParam);
      if (event == WM_LBUTTONDOWN || event == WM_RBUTTONDOWN || event == WM_MBUTTONDOWN) {
        POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        HWND child = ChildWindowFromPointEx(dialog, p, CWP_SKIPINVISIBLE);
        // The inner page tells its own children's presses; the outer dialog only its direct ones.
        if (child != nullptr && child != dialog && GetClassLongPtrW(child, GCW_ATOM) != 32770) Report(child);
      }
      return FALSE;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      Report(dialog);
      return FALSE;
    default:
      return FALSE;
  }
}

// An empty dialog template: the controls are made as child windows afterwards.
HWND EmptyDialog(HWND parent, DWORD style, DWORD exStyle) {
  alignas(4) WORD buffer[32] = {};
  auto* t = reinterpret_cast<DLGTEMPLATE*>(buffer);
  t->style = style;
  t->dwExtendedStyle = exStyle;
  return CreateDialogIndirectParamW(GetModuleHandleW(nullptr), t, parent, &DialogProc, 0);
}

HWND Control(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w, int h) {
  return CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

HWND LookAlike(const wchar_t* title, int index) {
  HWND top = EmptyDialog(nullptr, WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_TOPMOST);
  if (top == nullptr) return nullptr;
  SetWindowTextW(top, title);
  SetWindowPos(top, HWND_TOPMOST, 0, 5 + index * kPitch, kWidth, kHeight, SWP_SHOWWINDOW | SWP_NOACTIVATE);
  HWND page = EmptyDialog(top, WS_CHILD | WS_VISIBLE | DS_CONTROL, 0);
  if (page != nullptr) {
    SetWindowPos(page, nullptr, 5, 5, kWidth - 20, 80, SWP_NOZORDER | SWP_NOACTIVATE);
    Control(page, L"BUTTON", L"I &accept the terms of the License Agreement", BS_AUTOCHECKBOX, 5, 5, 180, 20);
    Control(page, L"EDIT", L"", WS_BORDER | ES_AUTOHSCROLL, 5, 35, 180, 22);
  }
  Control(top, L"BUTTON", L"&Install", BS_PUSHBUTTON, 5, 95, 60, 24);
  Control(top, L"BUTTON", L"&Finish", BS_PUSHBUTTON, 70, 95, 60, 24);
  Control(top, L"BUTTON", L"&Next >", BS_PUSHBUTTON, 135, 95, 60, 24);
  return top;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: lookalike SECONDS TITLE...\n");
    return 2;
  }
  const DWORD limit = static_cast<DWORD>(_wtoi(argv[1])) * 1000;
  std::vector<HWND> windows;
  for (int i = 2; i < argc; ++i) {
    HWND w = LookAlike(argv[i], i - 2);
    if (w == nullptr) {
      std::fprintf(stderr, "lookalike: could not make a window\n");
      return 2;
    }
    windows.push_back(w);
  }
  std::printf("ready\n");
  std::fflush(stdout);
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < limit) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (!IsDialogMessageW(GetAncestor(msg.hwnd, GA_ROOT), &msg)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
    }
  }
  return pressed ? 1 : 0;
}
