// The cost of the recording hook: the time spent in the low-level mouse hook's callback per press and
// per move, with 100 other top-level windows open, as p50 and p99. The program shows a dialog-like
// window with buttons and edit fields, installs the recorder's hook with timings kept, and works through
// the queued events as the recorder does until SECONDS have passed; the mouse is moved and pressed by
// someone else meanwhile (scripts/bench_hook.sh uses xdotool). Figures only; nothing is asserted.
//   bench_hook.exe [SECONDS]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <vector>

#include "engine/MouseCapture.h"
#include "engine/WindowMatching.h"
#include "engine/win32/MouseHook.h"
#include "platform/win32/Win32Windows.h"

namespace {

constexpr UINT kQueued = WM_APP + 1;

double Percentile(std::vector<double> values, double p) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const std::size_t at = std::min(values.size() - 1, static_cast<std::size_t>(p * static_cast<double>(values.size())));
  return values[at];
}

HWND MakeWindow(const wchar_t* cls, const wchar_t* caption, DWORD style, int x, int y, int w, int h, HWND parent) {
  return CreateWindowExW(0, cls, caption, style, x, y, w, h, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const double seconds = argc > 1 ? _wtof(argv[1]) : 10.0;
  // A hundred top-level windows of other programs: presses are described among them.
  std::vector<HWND> others;
  for (int i = 0; i < 100; ++i) {
    wchar_t caption[32];
    std::swprintf(caption, 32, L"Other window %d", i);
    others.push_back(MakeWindow(L"STATIC", caption, WS_POPUP | WS_VISIBLE, 900 + i % 10, 700 + i / 10, 10, 10, nullptr));
  }
  HWND page = MakeWindow(L"#32770", L"Bench Setup", WS_POPUP | WS_VISIBLE | WS_CAPTION, 100, 100, 500, 300, nullptr);
  for (int i = 0; i < 4; ++i) {
    MakeWindow(L"BUTTON", L"&Next >", WS_CHILD | WS_VISIBLE, 20 + i * 110, 200, 100, 30, page);
    MakeWindow(L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 20, 20 + i * 40, 400, 24, page);
  }
  HWND control = MakeWindow(L"STATIC", L"control", WS_POPUP | WS_VISIBLE, 600, 10, 50, 20, nullptr);

  velgaro::win32::Win32Windows windows;
  velgaro::WindowMatcher matcher(windows, reinterpret_cast<velgaro::WindowHandle>(control));
  velgaro::stels::MouseHook hook(windows, matcher, control, kQueued);
  hook.KeepTimings(true);
  if (!hook.Install()) {
    std::printf("no hook could be installed\n");
    return 1;
  }
  std::printf("ready\n");
  std::fflush(stdout);
  std::size_t described = 0;
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
  while (GetTickCount64() < end) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == kQueued) {
        for (const velgaro::CapturedMouseEvent& e : hook.TakeQueued()) described += e.path.empty() ? 0 : 1;
      }
      DispatchMessageW(&msg);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
  hook.Remove();
  std::vector<double> presses, moves;
  for (const auto& t : hook.Timings()) {
    if (t.kind == velgaro::CapturedMouseEvent::Kind::Press) presses.push_back(t.microseconds);
    if (t.kind == velgaro::CapturedMouseEvent::Kind::Move) moves.push_back(t.microseconds);
  }
  std::printf("presses: %zu (described %zu), p50 %.3f ms, p99 %.3f ms\n", presses.size(), described,
              Percentile(presses, 0.50) / 1000, Percentile(presses, 0.99) / 1000);
  std::printf("moves: %zu, p50 %.3f ms, p99 %.3f ms\n", moves.size(), Percentile(moves, 0.50) / 1000,
              Percentile(moves, 0.99) / 1000);
  for (HWND w : others) DestroyWindow(w);
  return 0;
}
