// The recording's low-level mouse hook with real input: a press is described at once and queued with
// its release behind one wake-up message; a press on the control window is marked as such; after
// Remove, or once the hook object is gone, nothing more is captured and another hook may take over.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "engine/WindowMatching.h"
#include "engine/win32/MouseHook.h"
#include "platform/win32/Win32Windows.h"

namespace velgaro::stels {
namespace {

constexpr UINT kQueued = WM_APP + 7;

HWND MakeWindow(const wchar_t* cls, const wchar_t* caption, DWORD style, int x, int y, int w, int h, HWND parent) {
  return CreateWindowExW(0, cls, caption, style, x, y, w, h, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

void ClickAt(POINT at) {
  SetCursorPos(at.x, at.y);
  INPUT inputs[2] = {};
  inputs[0].type = inputs[1].type = INPUT_MOUSE;
  inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, inputs, sizeof(INPUT));
}

POINT CentreOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class MouseHookTest : public ::testing::Test {
 protected:
  ~MouseHookTest() override {
    DestroyWindow(page);
    DestroyWindow(control);
  }

  // Pumps for up to a second, gathering what the hook queued each time it woke the control window.
  std::vector<CapturedMouseEvent> Gather(MouseHook& hook, std::size_t wanted) {
    std::vector<CapturedMouseEvent> got;
    wakeUps = 0;
    const ULONGLONG end = GetTickCount64() + 1000;
    while (GetTickCount64() < end && got.size() < wanted) {
      MSG msg;
      while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == kQueued) {
          ++wakeUps;
          for (CapturedMouseEvent& e : hook.TakeQueued()) {
            if (e.kind != CapturedMouseEvent::Kind::Move) got.push_back(std::move(e));
          }
        }
        DispatchMessageW(&msg);
      }
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return got;
  }

  // In this order: the matcher knows the control window from the start.
  HWND page = MakeWindow(L"#32770", L"Hook Setup", WS_POPUP | WS_VISIBLE | WS_CAPTION, 100, 100, 400, 200, nullptr);
  HWND next = MakeWindow(L"BUTTON", L"&Next >", WS_CHILD | WS_VISIBLE, 20, 100, 100, 30, page);
  HWND control = MakeWindow(L"STATIC", L"control", WS_POPUP | WS_VISIBLE | SS_NOTIFY, 600, 10, 80, 30, nullptr);
  int wakeUps = 0;
  win32::Win32Windows windows;
  WindowMatcher matcher{windows, reinterpret_cast<WindowHandle>(control)};
};

TEST_F(MouseHookTest, PressIsDescribedAtOnceAndQueuedWithItsRelease) {
  MouseHook hook(windows, matcher, control, kQueued);
  ASSERT_TRUE(hook.Install());
  ClickAt(CentreOf(next));
  const std::vector<CapturedMouseEvent> got = Gather(hook, 2);
  ASSERT_EQ(got.size(), 2u);
  EXPECT_EQ(got[0].kind, CapturedMouseEvent::Kind::Press);
  EXPECT_EQ(got[0].window, reinterpret_cast<WindowHandle>(next));
  EXPECT_FALSE(got[0].onControlWindow);
  EXPECT_EQ(got[0].client.x, 50);
  EXPECT_EQ(got[0].client.y, 15);
  ASSERT_EQ(got[0].path.size(), 2u);
  EXPECT_EQ(got[0].path[0].caption, "Hook Setup");
  EXPECT_EQ(got[0].path[1].className, "Button");
  EXPECT_EQ(got[0].path[1].caption, "&Next >");
  EXPECT_EQ(got[1].kind, CapturedMouseEvent::Kind::Release);
  EXPECT_GE(wakeUps, 1);

  ClickAt(CentreOf(control));
  const std::vector<CapturedMouseEvent> onControl = Gather(hook, 2);
  ASSERT_FALSE(onControl.empty());
  EXPECT_TRUE(onControl[0].onControlWindow);
}

TEST_F(MouseHookTest, NothingIsCapturedOnceRemovedAndAnotherHookMayTakeOver) {
  {
    MouseHook first(windows, matcher, control, kQueued);
    ASSERT_TRUE(first.Install());
    MouseHook second(windows, matcher, control, kQueued);
    EXPECT_FALSE(second.Install());   // one hook of the process at a time
    first.Remove();
    EXPECT_FALSE(first.Installed());
    ClickAt(CentreOf(next));
    EXPECT_TRUE(Gather(first, 1).empty());
    ASSERT_TRUE(first.Install());
  }   // the object goes: its hook with it
  MouseHook later(windows, matcher, control, kQueued);
  ASSERT_TRUE(later.Install());
  ClickAt(CentreOf(next));
  EXPECT_EQ(Gather(later, 2).size(), 2u);
}

}  // namespace
}  // namespace velgaro::stels
