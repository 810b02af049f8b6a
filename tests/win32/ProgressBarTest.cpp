// clsPBar draws into its picture box, and the progress window shows while the folder is read.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "library/win32/ReadingProgress.h"
#include "platform/win32/Win32MessagePump.h"
#include "widgets/win32/ClsPBar.h"
#include "widgets/win32/FrmProgresBar.h"

namespace velgaro::widgets {
namespace {

COLORREF PixelAt(HWND window, int x, int y) {
  HDC dc = GetDC(window);
  const COLORREF colour = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return colour;
}

TEST(ClsPBarTest, AQuarterOfTheBarIsFilledForAQuarterOfTheRange) {
  FrmProgresBar window;
  ASSERT_TRUE(window.Show(nullptr, "Чтение информации"));
  RECT box{};
  GetClientRect(window.Picture(), &box);
  ClsPBar bar;
  bar.Model().Max = 200;
  bar.Model().Value = 50;
  EXPECT_TRUE(bar.ShowProgress(window.Picture()));
  EXPECT_FALSE(bar.ShowProgress(window.Picture()));   // the same width draws nothing
  EXPECT_EQ(bar.Model().Width(), box.right);
  const int quarter = box.right / 4;
  EXPECT_EQ(PixelAt(window.Picture(), quarter / 2, 2), bar.Model().fColor);
  EXPECT_EQ(PixelAt(window.Picture(), box.right - 4, 2), bar.Model().bColor);
}

TEST(ReadingProgressTest, TheWindowShowsDuringTheReadAndGoesAfterIt) {
  HWND status = CreateWindowExW(0, L"msctls_statusbar32", L"", WS_POPUP, 0, 0, 300, 20, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  int parts[2] = {100, -1};
  SendMessageW(status, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
  int rowsTold = 0;
  win32::Win32MessagePump pump;
  Language language;
  library::ReadingProgress progress(nullptr, status, language, pump, [&](int rows) { rowsTold = rows; });
  progress.Begin(3);
  EXPECT_EQ(rowsTold, 3);
  ASSERT_NE(progress.Window(), nullptr);
  EXPECT_TRUE(IsWindowVisible(progress.Window()));
  progress.Step(1, 3, "Загрузка 1 из 3");
  wchar_t text[64] = {};
  SendMessageW(status, SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, L"Загрузка 1 из 3");
  progress.End();
  EXPECT_EQ(progress.Window(), nullptr);
  SendMessageW(status, SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, L"");
  DestroyWindow(status);
}

}  // namespace
}  // namespace velgaro::widgets
