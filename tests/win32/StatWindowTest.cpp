// The statistics window: its lines, its texts, and how an unattended run ends through it.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "engine/win32/FrmStat.h"
#include "engine/win32/StatListRows.h"
#include "platform/win32/WideText.h"
#include "widgets/win32/CheckListCells.h"

namespace velgaro::stat {
namespace {

LocalTime At(int h, int m, int s) { return LocalTime{2024, 5, 6, h, m, s}; }

class StatWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    stats.BeginStat("first", At(10, 0, 0));
    stats.EndStat(kInstalled, "Выполнено без замечаний", At(10, 1, 5));
    stats.BeginStat("second", At(10, 1, 5));
    stats.EndStat(kInterrupted, "Инсталляция прервана пользователем", At(10, 1, 15));
    stats.BeginStat("third", At(10, 1, 15));
    stats.EndStat(kNotInstalled, "Не найден исполняемый файл C:\\x.exe", At(10, 1, 15));
  }
  static std::string Cell(HWND list, int item, int column) { return widgets::CellText(list, item, column); }

  Language language;   // no language file: the built-in Russian texts
  Statistics stats;
  int endCalls = 0;
};

TEST_F(StatWindowTest, LinesHoldEachRowThenAnEmptyLineAndTheTotal) {
  const auto lines = BuildListLines(stats.Rows(), stats.TotalDuration(), language,
                                    [](const LocalTime& t) { return std::to_string(t.minute); });
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0], (ListLine{"1", "first", "Установлен", "0:01:05", "0", "1", "Выполнено без замечаний"}));
  EXPECT_EQ(lines[1][2], "Прерван");
  EXPECT_EQ(lines[2][2], "Не установлен");
  EXPECT_EQ(lines[2][3], "0:00:00");
  EXPECT_EQ(lines[3], ListLine{});
  EXPECT_EQ(lines[4][1], "Общее время установки");
  EXPECT_EQ(lines[4][3], "0:01:15");
  EXPECT_TRUE(BuildListLines({}, "0:00:00", language, &FormatTimeOfDay).empty());
}

TEST_F(StatWindowTest, TextsAreTheBuiltInRussianOnes) {
  const StatWindowTexts t = LoadStatWindowTexts(language);
  EXPECT_EQ(t.caption, "Статистика");
  EXPECT_EQ(t.close, "Закрыть");
  EXPECT_EQ(t.columns, (std::array<std::string, kColumnCount>{"№", "Пакет", "Результат", "Время", "Начато",
                                                               "Закончено", "Подробности"}));
  EXPECT_EQ(CountdownText(language, 3), "Автоматическое завершение программы через 3 сек");
}

TEST_F(StatWindowTest, WindowListsTheRunUnderItsCaption) {
  FrmStat window(language, stats, false, [this] { ++endCalls; });
  ASSERT_TRUE(window.Create(nullptr));
  wchar_t caption[64] = {};
  GetWindowTextW(window.Handle(), caption, 64);
  EXPECT_EQ(win32::ToUtf8(caption), "Статистика");
  EXPECT_EQ(SendMessageW(window.ListView(), LVM_GETITEMCOUNT, 0, 0), 5);
  EXPECT_EQ(Cell(window.ListView(), 1, 1), "second");
  EXPECT_EQ(Cell(window.ListView(), 1, 2), "Прерван");
  EXPECT_EQ(Cell(window.ListView(), 4, 1), "Общее время установки");
  EXPECT_FALSE(Cell(window.ListView(), 0, 4).empty());   // started, in the user's time format
  SendMessageW(window.Handle(), WM_COMMAND, MAKEWPARAM(FrmStat::kCloseButtonId, BN_CLICKED), 0);
  EXPECT_TRUE(window.Closed());
  EXPECT_TRUE(stats.Rows().empty());
  EXPECT_EQ(endCalls, 0);   // an interactive run goes on
}

TEST_F(StatWindowTest, UnattendedCountdownEndsTheProgramOnTheFourthTick) {
  FrmStat window(language, stats, true, [this] { ++endCalls; });
  ASSERT_TRUE(window.Create(nullptr));
  wchar_t status[128] = {};
  SendMessageW(window.StatusBar(), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(status));
  EXPECT_EQ(win32::ToUtf8(status), "Автоматическое завершение программы через 4 сек");
  for (int tick = 1; tick <= 3; ++tick) window.OnCountdownTick();
  EXPECT_EQ(endCalls, 0);
  SendMessageW(window.StatusBar(), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(status));
  EXPECT_EQ(win32::ToUtf8(status), "Автоматическое завершение программы через 1 сек");
  window.OnCountdownTick();
  EXPECT_EQ(endCalls, 1);
  EXPECT_TRUE(window.Closed());
  window.OnCountdownTick();
  EXPECT_EQ(endCalls, 1);
}

TEST_F(StatWindowTest, UnattendedCloseEndsTheProgramAtOnce) {
  FrmStat window(language, stats, true, [this] { ++endCalls; });
  ASSERT_TRUE(window.Create(nullptr));
  SendMessageW(window.Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(endCalls, 1);
  EXPECT_TRUE(stats.Rows().empty());
}

// Seen from inside the modal loop: whether the other windows were disabled; then the window is closed.
struct ModalProbe {
  static inline HWND other = nullptr;
  static inline bool otherDisabled = false;
  static void CALLBACK Check(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    otherDisabled = !IsWindowEnabled(other);
    PostMessageW(FindWindowW(FrmStat::kClassName, nullptr), WM_CLOSE, 0, 0);
  }
};

TEST_F(StatWindowTest, ModalWindowDisablesTheProgramsOtherWindowsUntilClosed) {
  HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ModalProbe::other = CreateWindowExW(0, L"STATIC", L"main", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                                      nullptr);
  SetTimer(nullptr, 0, 50, &ModalProbe::Check);
  FrmStat window(language, stats, false, [this] { ++endCalls; });
  window.ShowModal(owner);
  EXPECT_TRUE(ModalProbe::otherDisabled);
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_TRUE(IsWindowEnabled(ModalProbe::other));
  EXPECT_EQ(window.Handle(), nullptr);
  EXPECT_TRUE(stats.Rows().empty());
  EXPECT_EQ(endCalls, 0);
  DestroyWindow(ModalProbe::other);
  DestroyWindow(owner);
}

}  // namespace
}  // namespace velgaro::stat
