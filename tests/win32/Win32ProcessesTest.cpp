// Starting a real process and waiting for its end.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "platform/win32/Win32Processes.h"

namespace velgaro::win32 {
namespace {

TEST(Win32ProcessesTest, StartedProcessCanBeWaitedForUntilItEnds) {
  Win32Processes processes;
  const auto id = processes.Start("cmd.exe /c exit 0");
  ASSERT_TRUE(id.has_value());
  EXPECT_GE(*id, 1);
  const ProcessHandle h = processes.OpenForWait(*id);
  ASSERT_NE(h, 0);
  std::int32_t r = 258;
  for (int i = 0; i < 200 && r == 258; ++i) {
    Sleep(50);
    r = processes.WaitZero(h);
  }
  EXPECT_EQ(r, 0);
  processes.Close(h);
}

TEST(Win32ProcessesTest, FailuresAreResults) {
  Win32Processes processes;
  EXPECT_FALSE(processes.Start("Z:\\no\\such\\installer.exe /S").has_value());
  EXPECT_FALSE(processes.Start("").has_value());
  EXPECT_EQ(processes.WaitZero(0), -1);   // WAIT_FAILED: the player reads it as ended
  processes.Close(0);                      // nothing to close, no crash
}

TEST(Win32ProcessesTest, ProcessTreeHoldsTheProcessAndWhatItStarted) {
  Win32Processes processes;
  const auto id = processes.Start("cmd.exe /c ping -n 6 127.0.0.1 > nul");
  ASSERT_TRUE(id.has_value());
  std::vector<std::int32_t> tree;
  for (int i = 0; i < 100 && tree.size() < 2; ++i) {   // cmd starts ping a moment later
    tree = processes.ProcessTree(*id);
    Sleep(50);
  }
  ASSERT_GE(tree.size(), 2u);
  EXPECT_EQ(tree.front(), *id);
  for (const std::int32_t process : tree) EXPECT_NE(process, static_cast<std::int32_t>(GetCurrentProcessId()));
  processes.EndTree(*id);
  for (int i = 0; i < 100 && processes.ProcessTree(*id).size() > 1; ++i) Sleep(50);
  EXPECT_EQ(processes.ProcessTree(*id).size(), 1u);   // the process itself is always named
  EXPECT_TRUE(processes.ProcessTree(0).empty());
}

}  // namespace
}  // namespace velgaro::win32
