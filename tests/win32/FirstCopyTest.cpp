// The single-instance semaphore and bringing a running copy's main window forward.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/win32/CommandLineArguments.h"
#include "app/win32/FirstCopy.h"
#include "app/win32/MainWindowClass.h"

namespace velgaro::win32 {
namespace {

TEST(SingleInstanceTest, OnlyTheFirstHolderIsTheFirstCopy) {
  UniqueHandle first;
  UniqueHandle second;
  ASSERT_TRUE(AcquireSingleInstance(first));
  EXPECT_FALSE(AcquireSingleInstance(second));
  EXPECT_TRUE(second);  // the existing semaphore was opened
  second.Reset();
  first.Reset();
  UniqueHandle again;
  EXPECT_TRUE(AcquireSingleInstance(again));
}

// Top-level windows of the main window's class, as a running copy would show them.
class FirstCopyWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kMainWindowClass;
    RegisterClassW(&windowClass);
    windowClass.lpszClassName = L"SomeOtherClass";
    RegisterClassW(&windowClass);
  }
  static void TearDownTestSuite() {
    UnregisterClassW(kMainWindowClass, GetModuleHandleW(nullptr));
    UnregisterClassW(L"SomeOtherClass", GetModuleHandleW(nullptr));
  }
  void TearDown() override {
    for (HWND window : windows_) DestroyWindow(window);
    ProcessPendingMessages();
  }
  HWND Open(const wchar_t* className, const wchar_t* caption, int show) {
    HWND window = CreateWindowExW(0, className, caption, WS_OVERLAPPEDWINDOW, 10, 10, 300, 200, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    if (window != nullptr) {
      windows_.push_back(window);
      ShowWindow(window, show);
    }
    return window;
  }

 private:
  std::vector<HWND> windows_;
};

TEST_F(FirstCopyWindowTest, MinimisedMainWindowIsRestored) {
  HWND window = Open(kMainWindowClass, L"Velgaro Replaysetup - C:\\Packages", SW_SHOWMINIMIZED);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(IsIconic(window));
  EXPECT_TRUE(BringFirstCopyForward());
  EXPECT_FALSE(IsIconic(window));
}

TEST_F(FirstCopyWindowTest, OnlyLongerCaptionsOfTheClassCount) {
  // Hidden windows are found as well, and spare the wait for the X server on closing.
  ASSERT_NE(Open(kMainWindowClass, L"Velgaro Replaysetup", SW_HIDE), nullptr);
  ASSERT_NE(Open(kMainWindowClass, L"velgaro replaysetup - lower case", SW_HIDE), nullptr);
  ASSERT_NE(Open(L"SomeOtherClass", L"Velgaro Replaysetup - other class", SW_HIDE), nullptr);
  EXPECT_FALSE(BringFirstCopyForward());
  ASSERT_NE(Open(kMainWindowClass, L"Velgaro Replaysetup 1.5", SW_HIDE), nullptr);
  EXPECT_TRUE(BringFirstCopyForward());
}

TEST(CommandLineArgumentsTest, ProgramNameIsSkippedWithItsQuotes) {
  struct Case {
    const wchar_t* whole;
    const wchar_t* arguments;
  };
  const Case cases[] = {
      {L"\"C:\\My Tools\\velgaro.exe\" /inst \"C:\\A B\\x.vgp\"", L"/inst \"C:\\A B\\x.vgp\""},
      {L"C:\\velgaro.exe /?", L"/?"},
      {L"velgaro.exe\t \t/SPEED=1 ", L"/SPEED=1 "},
      {L"velgaro.exe", L""},
      {L"\"C:\\velgaro.exe\"", L""},
      {L"\"C:\\velgaro.exe\"/add x", L"/add x"},
      {L"\"unterminated /add x", L""},
      {L"", L""},
  };
  for (const Case& c : cases) EXPECT_EQ(SkipProgramName(c.whole), c.arguments) << c.whole;
}

}  // namespace
}  // namespace velgaro::win32
