#include "engine/win32/FrmStat.h"

#include <commctrl.h>

#include <vector>

#include "platform/win32/ModalLoop.h"
#include "platform/win32/WideText.h"
#include "widgets/win32/CheckListCells.h"
#include "widgets/win32/Controls.h"

namespace velgaro::stat {
namespace {

// 9345 x 4680 twips, the size of an unattended run's window.
constexpr int kWidth = 623;
constexpr int kHeight = 312;
constexpr int kMargin = 8;
constexpr int kButtonWidth = 100;
constexpr int kButtonHeight = 26;
// The details column takes whatever width is left.
constexpr int kColumnWidths[kColumnCount] = {28, 148, 84, 56, 74, 76, 120};
constexpr UINT kIconResource = 103;

// The program's other windows while the statistics are shown modally, as a modal form leaves them.
struct DisabledWindows {
  HWND keep = nullptr;
  std::vector<HWND> windows;
};

BOOL CALLBACK DisableOne(HWND window, LPARAM param) {
  auto* d = reinterpret_cast<DisabledWindows*>(param);
  if (window != d->keep && IsWindowEnabled(window)) {
    EnableWindow(window, FALSE);
    d->windows.push_back(window);
  }
  return TRUE;
}

}  // namespace

std::string FormatTimeOfDay(const LocalTime& t) {
  SYSTEMTIME st{};
  st.wYear = static_cast<WORD>(t.year > 1600 ? t.year : 2000);
  st.wMonth = static_cast<WORD>(t.month >= 1 && t.month <= 12 ? t.month : 1);
  st.wDay = static_cast<WORD>(t.day >= 1 && t.day <= 31 ? t.day : 1);
  st.wHour = static_cast<WORD>(t.hour);
  st.wMinute = static_cast<WORD>(t.minute);
  st.wSecond = static_cast<WORD>(t.second);
  wchar_t buffer[64] = {};
  const int n = GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &st, nullptr, buffer, 64);
  return n > 1 ? win32::ToUtf8(std::wstring(buffer, static_cast<std::size_t>(n - 1))) : std::string();
}

FrmStat::FrmStat(const Language& language, Statistics& stats, bool unattended, std::function<void()> endProgram)
    : language_(language), stats_(stats), unattended_(unattended), endProgram_(std::move(endProgram)),
      texts_(LoadStatWindowTexts(language)) {}

bool FrmStat::Create(HWND owner) {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&icc);
  font_.Reset(widgets::MessageFont());

  const Placement placement{WS_EX_CONTROLPARENT | WS_EX_DLGMODALFRAME,
                            WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN,
                            (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2,
                            (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2,
                            kWidth,
                            kHeight,
                            owner};
  if (!CreateTopWindow(kClassName, {}, texts_.caption, placement)) return false;
  HWND hwnd = Handle();
  HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kIconResource));
  if (icon != nullptr) SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  CreateControls();
  AddStatInfoLV();
  Layout();
  if (unattended_) {
    SetTimer(hwnd, kCountdownTimerId, 1000, nullptr);
    ShowCountdown();
  }
  ShowWindow(hwnd, SW_SHOW);
  SetForegroundWindow(hwnd);
  return true;
}

void FrmStat::CreateControls() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  HWND hwnd = Handle();
  list_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                          WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
                              LVS_NOSORTHEADER,
                          0, 0, 0, 0, hwnd, nullptr, instance, nullptr);
  const std::wstring closeText = win32::ToWide(texts_.close);
  close_ = CreateWindowExW(0, WC_BUTTONW, closeText.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
                           0, 0, 0, 0, hwnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kCloseButtonId)),
                           instance, nullptr);
  status_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, hwnd,
                            nullptr, instance, nullptr);
  for (HWND child : {list_, close_, status_}) widgets::SetControlFont(child, static_cast<HFONT>(font_.Get()), true);
  if (list_ == nullptr) return;
  SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  std::vector<widgets::CheckListColumn> columns;
  for (int c = 0; c < kColumnCount; ++c) columns.push_back({kColumnWidths[c], texts_.columns[c]});
  widgets::AddListColumns(list_, columns.data(), columns.size());
}

void FrmStat::FitLastColumn() {
  if (list_ != nullptr) SendMessageW(list_, LVM_SETCOLUMNWIDTH, kColumnCount - 1, LVSCW_AUTOSIZE_USEHEADER);
}

void FrmStat::AddStatInfoLV() {
  if (list_ == nullptr) return;
  const auto lines = BuildListLines(stats_.Rows(), stats_.TotalDuration(), language_, &FormatTimeOfDay);
  widgets::SetRowCount(list_, static_cast<int>(lines.size()));
  for (int row = 0; row < static_cast<int>(lines.size()); ++row) {
    for (int c = 0; c < kColumnCount; ++c) widgets::SetCell(list_, row, c, lines[static_cast<std::size_t>(row)][c]);
  }
}

void FrmStat::Layout() {
  RECT client{};
  GetClientRect(Handle(), &client);
  int statusHeight = 0;
  if (status_ != nullptr) {
    SendMessageW(status_, WM_SIZE, 0, 0);
    RECT sr{};
    GetWindowRect(status_, &sr);
    statusHeight = sr.bottom - sr.top;
  }
  const int buttonTop = client.bottom - statusHeight - kMargin - kButtonHeight;
  if (close_ != nullptr) {
    MoveWindow(close_, client.right - kMargin - kButtonWidth, buttonTop, kButtonWidth, kButtonHeight, TRUE);
  }
  if (list_ != nullptr) {
    MoveWindow(list_, kMargin, kMargin, client.right - 2 * kMargin, buttonTop - 2 * kMargin, TRUE);
    FitLastColumn();
  }
}

void FrmStat::ShowCountdown() {
  if (status_ == nullptr) return;
  widgets::SetStatusText(status_, 0, CountdownText(language_, countdown_));
}

void FrmStat::OnCountdownTick() {
  if (closed_) return;
  const int before = countdown_--;
  if (before <= 1) {
    Finish();
    if (endProgram_) endProgram_();
    return;
  }
  ShowCountdown();
}

void FrmStat::OnCloseButton() {
  if (closed_) return;
  Finish();
  // The program's end is asked for before the rows go, whatever reads them on the way out.
  if (unattended_ && endProgram_) endProgram_();
  stats_.ResetStats();
}

void FrmStat::Finish() {
  closed_ = true;
  if (Handle() != nullptr) KillTimer(Handle(), kCountdownTimerId);
}

LRESULT FrmStat::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_SIZE:
      Layout();
      return 0;
    case WM_GETMINMAXINFO: {
      auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
      info->ptMinTrackSize = POINT{320, 180};
      return 0;
    }
    case WM_TIMER:
      if (wParam == kCountdownTimerId) OnCountdownTick();
      return 0;
    case WM_COMMAND:
      if (LOWORD(wParam) == kCloseButtonId || LOWORD(wParam) == IDOK) OnCloseButton();
      return 0;
    case WM_CLOSE:
      OnCloseButton();
      return 0;
    default:
      break;
  }
  return DefaultHandling(msg, wParam, lParam);
}

void FrmStat::ShowModal(HWND owner) {
  if (!Create(owner)) {
    // No window to show: an unattended run still ends as if the countdown had run out.
    if (unattended_ && endProgram_) endProgram_();
    return;
  }
  // The owner and every other window of the thread wait until the statistics are closed.
  DisabledWindows disabled;
  disabled.keep = Handle();
  EnumThreadWindows(GetCurrentThreadId(), &DisableOne, reinterpret_cast<LPARAM>(&disabled));
  win32::RunModalLoop(closed_, [this](MSG& msg) { return IsDialogMessageW(Handle(), &msg) != FALSE; });
  // The others come back before this window goes, so that activation can return to them.
  for (HWND window : disabled.windows) {
    if (IsWindow(window)) EnableWindow(window, TRUE);
  }
  DestroyTopWindow();
}

}  // namespace velgaro::stat
