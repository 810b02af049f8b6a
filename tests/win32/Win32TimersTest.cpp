// Window timers under a real message loop: ticks, restarts, the re-entry guard, and a timer that is
// destroyed by its own tick.
#include <windows.h>

#include <algorithm>

#include <gtest/gtest.h>

#include "platform/win32/Win32MessagePump.h"
#include "platform/win32/Win32Timers.h"

namespace velgaro::win32 {
namespace {

// Pumps messages until done() or the time runs out.
template <typename Done>
bool PumpUntil(Done done, DWORD timeoutMs = 3000) {
  Win32MessagePump pump;
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > timeoutMs) return false;
    pump.RunOnce();
    Sleep(5);
  }
  return true;
}

class Win32TimersTest : public ::testing::Test {
 protected:
  Win32TimerFactory factory;
};

TEST_F(Win32TimersTest, EnabledTimerTicksAndDisabledTimerDoesNot) {
  ASSERT_TRUE(factory.Ready());
  int ticks = 0, idle = 0;
  auto timer = factory.CreateTimer([&] { ++ticks; });
  auto quiet = factory.CreateTimer([&] { ++idle; });
  quiet->SetInterval(20);
  timer->SetInterval(20);
  timer->SetEnabled(true);
  EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }));
  EXPECT_EQ(idle, 0);
  timer->SetEnabled(false);
  const int after = ticks;
  PumpUntil([] { return false; }, 150);
  EXPECT_EQ(ticks, after);
}

TEST_F(Win32TimersTest, ZeroIntervalNeverFiresAndLaterIntervalStartsIt) {
  int ticks = 0;
  auto timer = factory.CreateTimer([&] { ++ticks; });
  timer->SetEnabled(true);
  PumpUntil([] { return false; }, 120);
  EXPECT_EQ(ticks, 0);
  timer->SetInterval(20);
  EXPECT_EQ(timer->Interval(), 20);
  EXPECT_TRUE(PumpUntil([&] { return ticks >= 1; }));
}

TEST_F(Win32TimersTest, TickIsNotReenteredWhileItPumpsMessages) {
  int depth = 0, maxDepth = 0, ticks = 0;
  std::unique_ptr<Timer> timer;
  timer = factory.CreateTimer([&] {
    ++ticks;
    maxDepth = std::max(maxDepth, ++depth);
    PumpUntil([] { return false; }, 80);  // as a replay of mouse steps does
    --depth;
  });
  timer->SetInterval(10);
  timer->SetEnabled(true);
  EXPECT_TRUE(PumpUntil([&] { return ticks >= 2; }));
  EXPECT_EQ(maxDepth, 1);
}

TEST_F(Win32TimersTest, TimerMayBeDestroyedByItsOwnTick) {
  int ticks = 0;
  std::unique_ptr<Timer> timer;
  timer = factory.CreateTimer([&] {
    ++ticks;
    timer.reset();
  });
  timer->SetInterval(10);
  timer->SetEnabled(true);
  EXPECT_TRUE(PumpUntil([&] { return timer == nullptr; }));
  PumpUntil([] { return false; }, 60);
  EXPECT_EQ(ticks, 1);
}

TEST_F(Win32TimersTest, TimerOutlivesItsFactory) {
  int ticks = 0;
  std::unique_ptr<Timer> timer;
  {
    Win32TimerFactory shortLived;
    timer = shortLived.CreateTimer([&] { ++ticks; });
  }
  timer->SetInterval(10);
  timer->SetEnabled(true);
  EXPECT_TRUE(PumpUntil([&] { return ticks >= 1; }));
}

TEST(Win32MessagePumpTest, LeavesQuitMessageForTheOwningLoop) {
  PostQuitMessage(7);
  Win32MessagePump().RunOnce();
  MSG msg{};
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 7u);
}

}  // namespace
}  // namespace velgaro::win32
