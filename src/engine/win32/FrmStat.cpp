#include "engine/win32/FrmStat.h"

#include <commctrl.h>

#include <vector>

#include "platform/win32/ModalLoop.h"
#include "platform/win32/WideText.h"
#include "platform/win32/WindowProc.h"
#include "widgets/win32/WindowClass.h"

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

void SetItemText(HWND list, int item, int column, const std::string& text) {
  std::wstring wide = win32::ToWide(text);
  LVITEMW it{};
  it.iSubItem = column;
  it.pszText = wide.data();
  SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&it));
}

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

FrmStat::~FrmStat() {
  if (hwnd_) SetWindowLongPtrW(hwnd_.Get(), GWLP_USERDATA, 0);
  hwnd_.Reset();
}

bool FrmStat::Create(HWND owner) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  if (!widgets::RegisterClassOnce(instance, kClassName, &FrmStat::WindowProc)) return false;
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&icc);
  font_.Reset(widgets::MessageFont());

  const std::wstring caption = win32::ToWide(texts_.caption);
  const int left = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
  HWND hwnd = CreateWindowExW(WS_EX_CONTROLPARENT | WS_EX_DLGMODALFRAME, kClassName, caption.c_str(),
                              WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN,
                              left, top, kWidth, kHeight, owner, nullptr, instance, this);
  if (hwnd == nullptr) {
    hwnd_.Release();
    return false;
  }
  HICON icon = LoadIconW(instance, MAKEINTRESOURCEW(kIconResource));
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
  HWND hwnd = hwnd_.Get();
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
  for (HWND child : {list_, close_, status_}) {
    if (child != nullptr && font_) SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), TRUE);
  }
  if (list_ == nullptr) return;
  SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  for (int c = 0; c < kColumnCount; ++c) {
    std::wstring header = win32::ToWide(texts_.columns[c]);
    LVCOLUMNW col{};
    col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    col.cx = kColumnWidths[c];
    col.pszText = header.data();
    col.iSubItem = c;
    SendMessageW(list_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(c), reinterpret_cast<LPARAM>(&col));
  }
}

void FrmStat::FitLastColumn() {
  if (list_ != nullptr) SendMessageW(list_, LVM_SETCOLUMNWIDTH, kColumnCount - 1, LVSCW_AUTOSIZE_USEHEADER);
}

void FrmStat::AddStatInfoLV() {
  if (list_ == nullptr) return;
  const auto lines = BuildListLines(stats_.Rows(), stats_.TotalDuration(), language_, &FormatTimeOfDay);
  int item = 0;
  for (const ListLine& line : lines) {
    std::wstring first = win32::ToWide(line[0]);
    LVITEMW it{};
    it.mask = LVIF_TEXT;
    it.iItem = item;
    it.pszText = first.data();
    const auto index = SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&it));
    if (index < 0) break;
    for (int c = 1; c < kColumnCount; ++c) SetItemText(list_, static_cast<int>(index), c, line[c]);
    ++item;
  }
}

void FrmStat::Layout() {
  RECT client{};
  GetClientRect(hwnd_.Get(), &client);
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
  const std::wstring text = win32::ToWide(CountdownText(language_, countdown_));
  SendMessageW(status_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(text.c_str()));
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
  if (hwnd_) KillTimer(hwnd_.Get(), kCountdownTimerId);
}

LRESULT FrmStat::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  HWND hwnd = hwnd_.Get();
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
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK FrmStat::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return win32::ForwardToWindowObject(hwnd, msg, wParam, lParam, &FrmStat::hwnd_, &FrmStat::HandleMessage);
}

void FrmStat::ShowModal(HWND owner) {
  if (!Create(owner)) {
    // No window to show: an unattended run still ends as if the countdown had run out.
    if (unattended_ && endProgram_) endProgram_();
    return;
  }
  // The owner and every other window of the thread wait until the statistics are closed.
  DisabledWindows disabled;
  disabled.keep = hwnd_.Get();
  EnumThreadWindows(GetCurrentThreadId(), &DisableOne, reinterpret_cast<LPARAM>(&disabled));
  win32::RunModalLoop(closed_, [this](MSG& msg) { return IsDialogMessageW(hwnd_.Get(), &msg) != FALSE; });
  // The others come back before this window goes, so that activation can return to them.
  for (HWND window : disabled.windows) {
    if (IsWindow(window)) EnableWindow(window, TRUE);
  }
  SetWindowLongPtrW(hwnd_.Get(), GWLP_USERDATA, 0);
  hwnd_.Reset();
}

}  // namespace velgaro::stat
