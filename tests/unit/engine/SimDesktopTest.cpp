// The simulated desktop behaves as the engine's tests assume user32 and window timers behave.
#include <gtest/gtest.h>

#include "platform/sim/SimDesktop.h"

namespace velgaro {
namespace {

TEST(SimDesktopTest, FindWindowExFollowsZOrderAndIgnoresCase) {
  SimDesktop d;
  const WindowHandle back = d.Create(SimWindowSpec{"#32770", "Установка", 0, 0, Rect{0, 0, 10, 10}, false, false});
  const WindowHandle front = d.Create(SimWindowSpec{"#32770", "УСТАНОВКА", 0, 0, Rect{0, 0, 10, 10}, true, false});
  EXPECT_EQ(d.FindWindowEx(0, 0, std::string("#32770"), std::string("установка")), front);
  EXPECT_EQ(d.FindWindowEx(SimDesktop::kDesktop, front, std::string("#32770"), std::nullopt), back);   // hidden too
  EXPECT_EQ(d.FindWindowEx(0, back, std::nullopt, std::nullopt), 0u);
  EXPECT_EQ(d.FindWindowEx(front, 0, std::nullopt, std::nullopt), 0u);
  EXPECT_EQ(d.FindWindowEx(0, 0, std::string("#32770"), std::string("")), 0u);   // "" is a caption, not "any"
}

TEST(SimDesktopTest, WindowFromPointTakesTheTopmostVisibleDeepestWindow) {
  SimDesktop d;
  const WindowHandle low = d.Create(SimWindowSpec{"A", "", 0, 0, Rect{0, 0, 100, 100}, true, false});
  const WindowHandle child = d.Create(SimWindowSpec{"B", "", low, 0, Rect{10, 10, 20, 20}, true, false});
  const WindowHandle pinned = d.Create(SimWindowSpec{"P", "", 0, 0, Rect{50, 50, 60, 60}, true, true});
  const WindowHandle high = d.Create(SimWindowSpec{"C", "", 0, 0, Rect{0, 0, 60, 60}, false, false});
  EXPECT_EQ(d.WindowFromPoint(Point{15, 15}), child);
  EXPECT_EQ(d.WindowFromPoint(Point{55, 55}), pinned);
  d.Show(high, true);
  EXPECT_EQ(d.WindowFromPoint(Point{15, 15}), high);
  EXPECT_EQ(d.WindowFromPoint(Point{55, 55}), pinned);   // new windows stay below the top-most band
  d.SetTopMost(pinned, false);
  EXPECT_FALSE(d.SetForegroundWindow(child));   // a child cannot be the foreground window
  EXPECT_EQ(d.WindowFromPoint(Point{15, 15}), high);
  EXPECT_TRUE(d.SetForegroundWindow(low));
  EXPECT_EQ(d.WindowFromPoint(Point{55, 55}), low);
  EXPECT_EQ(d.WindowFromPoint(Point{500, 500}), SimDesktop::kDesktop);
}

TEST(SimDesktopTest, ClickNeedsPressAndReleaseOnTheSameWindow) {
  SimDesktop d;
  const WindowHandle a = d.Create(SimWindowSpec{"Button", "", 0, 0, Rect{0, 0, 10, 10}, true, false});
  int clicks = 0;
  d.OnClick(a, [&] { ++clicks; });
  d.SetCursorPos(5, 5);
  d.MouseEvent(kMouseLeftDown, 0, 0);
  d.SetCursorPos(50, 5);
  d.MouseEvent(kMouseLeftUp, 0, 0);
  d.SetCursorPos(5, 5);
  d.MouseEvent(kMouseLeftDown, 0, 0);
  d.MouseEvent(kMouseLeftUp, 0, 0);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(d.GetParent(a), 0u);
}

TEST(SimDesktopTest, MinimisedWindowsAreOutOfReachUntilRestoredWhereTheyWere) {
  SimDesktop d;
  const WindowHandle top = d.Create(SimWindowSpec{"#32770", "", 0, 0, Rect{100, 100, 300, 200}, true, false});
  const WindowHandle child = d.Create(SimWindowSpec{"Button", "", top, 0, Rect{110, 110, 150, 130}, true, false});
  d.Minimize(top);
  EXPECT_TRUE(d.IsMinimized(top));
  EXPECT_EQ(d.WindowFromPoint(Point{120, 120}), SimDesktop::kDesktop);
  EXPECT_EQ(d.ClientToScreen(child, Point{0, 0}), (Point{-31990, -31990}));
  EXPECT_EQ(d.GetRootWindow(child), top);
  EXPECT_TRUE(d.RestoreWindow(top));
  EXPECT_FALSE(d.IsMinimized(top));
  EXPECT_EQ(*d.GetWindowRect(top), (Rect{100, 100, 300, 200}));
  EXPECT_EQ(d.WindowFromPoint(Point{120, 120}), child);
  EXPECT_EQ(d.Foreground(), top);
  EXPECT_FALSE(d.RestoreWindow(child));
}

TEST(SimDesktopTest, ZOrderBandsAsSetWindowPosKeepsThem) {
  SimDesktop d;
  const WindowHandle pinned = d.Create(SimWindowSpec{"P", "", 0, 0, Rect{0, 0, 50, 50}, true, true});
  const WindowHandle a = d.Create(SimWindowSpec{"A", "", 0, 0, Rect{0, 0, 50, 50}, true, false});
  const WindowHandle b = d.Create(SimWindowSpec{"B", "", 0, 0, Rect{0, 0, 50, 50}, true, false});
  EXPECT_TRUE(d.SetZOrder(a, WindowSystem::ZPlace::Top));   // the front of its band, not above the pinned one
  EXPECT_EQ(d.TopLevelZOrder(), (std::vector<WindowHandle>{pinned, a, b}));
  EXPECT_TRUE(d.SetZOrder(b, WindowSystem::ZPlace::TopMost));
  EXPECT_EQ(d.TopLevelZOrder(), (std::vector<WindowHandle>{b, pinned, a}));
  EXPECT_TRUE(d.SetZOrder(b, WindowSystem::ZPlace::NoTopMost));   // the front of the normal band
  EXPECT_EQ(d.TopLevelZOrder(), (std::vector<WindowHandle>{pinned, b, a}));
  EXPECT_FALSE(d.IsTopMost(b));
  d.Show(a, false);
  EXPECT_TRUE(d.SetZOrder(a, WindowSystem::ZPlace::TopMost));
  EXPECT_FALSE(d.Find(a)->visible);   // unlike SetTopMost, no window is shown
  EXPECT_FALSE(d.SetZOrder(0x999, WindowSystem::ZPlace::Top));
}

TEST(SimTimersTest, TicksInTimeOrderRestartOnNewIntervalAndNotWhenDisabled) {
  SimTimers timers;
  std::vector<std::string> log;
  auto fast = timers.CreateTimer([&] { log.push_back("fast@" + std::to_string(timers.Now())); });
  auto slow = timers.CreateTimer([&] { log.push_back("slow@" + std::to_string(timers.Now())); });
  auto off = timers.CreateTimer([&] { log.push_back("off"); });
  fast->SetInterval(100);
  fast->SetEnabled(true);
  slow->SetInterval(150);
  slow->SetEnabled(true);
  off->SetInterval(10);
  timers.Advance(300);
  EXPECT_EQ(log, (std::vector<std::string>{"fast@100", "slow@150", "fast@200", "fast@300", "slow@300"}));
  log.clear();
  timers.Advance(50);
  fast->SetInterval(100);   // restarts: next tick 100 ms from now
  timers.Advance(99);
  EXPECT_EQ(log, (std::vector<std::string>{}));
  fast.reset();
  timers.Advance(200);
  EXPECT_EQ(log, (std::vector<std::string>{"slow@450", "slow@600"}));
  EXPECT_EQ(timers.LiveTimers(), 2u);
}

TEST(SimProcessesTest, WaitResultsAndHandles) {
  SimProcesses p;
  const std::int32_t id = *p.Start("x.exe ");
  const ProcessHandle h = p.OpenForWait(id);
  EXPECT_EQ(p.OpenForWait(id + 1), 0);
  EXPECT_EQ(p.WaitZero(h), 258);
  p.End(id);
  EXPECT_EQ(p.WaitZero(h), 0);
  EXPECT_EQ(p.WaitZero(0), -1);
  p.Close(h);
  EXPECT_EQ(p.WaitZero(h), -1);
  p.Close(h);
  EXPECT_EQ(p.BadCloses(), 1u);
}

TEST(SimClockTest, AdvanceRollsOverDayMonthAndYear) {
  SimClock c;
  c.now = LocalTime{2024, 2, 28, 23, 59, 50};
  c.AdvanceSeconds(20);
  EXPECT_EQ((std::vector<int>{c.now.year, c.now.month, c.now.day, c.now.hour, c.now.minute, c.now.second}),
            (std::vector<int>{2024, 2, 29, 0, 0, 10}));
  c.now = LocalTime{2024, 12, 31, 12, 0, 0};
  c.AdvanceSeconds(86400);
  EXPECT_EQ((std::vector<int>{c.now.year, c.now.month, c.now.day}), (std::vector<int>{2025, 1, 1}));
}

}  // namespace
}  // namespace velgaro
