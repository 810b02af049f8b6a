// wincover: does to an installer what a user's other programs do while it is replayed, for the end-to-end
// tests, through the ordinary Win32 calls any program can make.
//   wincover cover CLASS TITLE          waits for a visible top-level window titled TITLE, then lays the
//                                       top-level window of class CLASS over it at the top of the z-order
//                                       and makes that the foreground window
//   wincover topmost CLASS TITLE        the same, with the covering window made top-most
//   wincover minimize TITLE             waits for TITLE, then minimises it
//   wincover offscreen TITLE            waits for TITLE, then drags it right until only its left 150
//                                       pixels are on the screen
// Then it watches until the target is free again (not minimised, its centre shows the target itself, and
// it has been moved back towards the screen) and prints each moment with its time in ms, one line each:
// "acted", then "freed".
// Exit code 0 once freed; 1 when the target was closed or stayed covered for 120 s without ever being
// freed; 2 when a window is missing.
#include <windows.h>

#include <cstdio>
#include <climits>
#include <cwchar>
#include <string>

#include "HelperText.h"

namespace {

constexpr DWORD kAppearLimitMs = 60000;
constexpr DWORD kFreeLimitMs = 120000;
constexpr DWORD kPollMs = 5;
constexpr int kMargin = 20;   // the cover overlaps the target on every side
constexpr int kOnScreen = 150;   // what an off-screen target keeps on the screen

HWND WaitForVisible(const wchar_t* title) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < kAppearLimitMs) {
    HWND w = FindWindowW(nullptr, title);
    if (w != nullptr && IsWindowVisible(w)) return w;
    Sleep(kPollMs);
  }
  return nullptr;
}

POINT Centre(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// The top-level window that shows at the target's centre.
HWND AtCentre(HWND target) { return GetAncestor(WindowFromPoint(Centre(target)), GA_ROOT); }

LONG Left(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r.left;
}

bool Free(HWND target, LONG draggedTo) {
  return !IsIconic(target) && AtCentre(target) == target && Left(target) < draggedTo;
}

// Lays the cover over the target. The window manager applies the new z-order a moment later, so the
// result is read back for a while, and the move is made again when another window (the installer
// changing its page) got on top meanwhile.
bool Cover(const wchar_t* coverClass, HWND target, bool topMost) {
  HWND cover = FindWindowW(coverClass, nullptr);
  if (cover == nullptr) return false;
  for (int attempt = 0; attempt < 5; ++attempt) {
    RECT r{};
    GetWindowRect(target, &r);
    if (!SetWindowPos(cover, topMost ? HWND_TOPMOST : HWND_TOP, r.left - kMargin, r.top - kMargin,
                      r.right - r.left + 2 * kMargin, r.bottom - r.top + 2 * kMargin, SWP_SHOWWINDOW)) {
      return false;
    }
    SetForegroundWindow(cover);
    for (DWORD waited = 0; waited < 200; waited += kPollMs) {
      if (AtCentre(target) == cover) return true;
      Sleep(kPollMs);
    }
  }
  wchar_t cls[128] = {};
  GetClassNameW(AtCentre(target), cls, 128);
  std::fprintf(stderr, "wincover: at the target's centre stays a window of class %s\n", Utf8(cls).c_str());
  return false;
}

void Report(const char* what, DWORD start, HWND target) {
  wchar_t caption[256] = {};
  GetWindowTextW(target, caption, 256);
  std::printf("%s %lu ms \"%s\"\n", what, static_cast<unsigned long>(GetTickCount() - start),
              Utf8(caption).c_str());
  std::fflush(stdout);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: wincover cover|topmost CLASS TITLE | minimize|offscreen TITLE\n");
    return 2;
  }
  const std::wstring command = argv[1];
  const bool byTitleOnly = command == L"minimize" || command == L"offscreen";
  if (!byTitleOnly && argc < 4) return 2;
  HWND target = WaitForVisible(byTitleOnly ? argv[2] : argv[3]);
  if (target == nullptr) {
    std::fprintf(stderr, "wincover: the target window never showed\n");
    return 2;
  }
  const DWORD start = GetTickCount();
  LONG draggedTo = LONG_MAX;
  if (command == L"offscreen") {
    draggedTo = GetSystemMetrics(SM_CXSCREEN) - kOnScreen;
    if (!SetWindowPos(target, nullptr, draggedTo, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE)) {
      std::fprintf(stderr, "wincover: could not move the target\n");
      return 2;
    }
  } else if (command == L"minimize") {
    ShowWindow(target, SW_MINIMIZE);
    if (!IsIconic(target)) {
      std::fprintf(stderr, "wincover: the target did not minimise\n");
      return 2;
    }
  } else if (!Cover(argv[2], target, command == L"topmost")) {
    std::fprintf(stderr, "wincover: could not cover the target\n");
    return 2;
  }
  Report("acted", start, target);
  while (GetTickCount() - start < kFreeLimitMs) {
    if (!IsWindow(target)) {
      std::printf("gone %lu ms\n", static_cast<unsigned long>(GetTickCount() - start));
      return 1;
    }
    if (Free(target, draggedTo)) {
      Report("freed", start, target);
      return 0;
    }
    Sleep(kPollMs);
  }
  Report("still covered", start, target);
  return 1;
}
