// The main window's child windows: made once, placed whenever the window or the status texts change.
#include "library/win32/FrmMain.h"

#include <commctrl.h>

#include <algorithm>

#include "library/win32/LibraryResources.h"
#include "library/win32/MainWindowLayout.h"
#include "library/win32/MainWindowMessages.h"
#include "platform/win32/WideText.h"
#include "widgets/win32/Controls.h"
#include "widgets/win32/DialogTips.h"

namespace velgaro::library {
namespace {

constexpr int kPictureSize = 24;
constexpr int kCountPanelWidth = 110;
constexpr const char* kFrameCaption = "Каталог расположения VGP-файлов";

void Move(HWND window, const RECT& r) {
  if (window != nullptr) MoveWindow(window, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

int TextWidth(HWND window, const std::wstring& text) {
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  return size.cx;
}

}  // namespace

double FrmMain::Scale() const {
  HDC dc = GetDC(nullptr);
  const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
  ReleaseDC(nullptr, dc);
  return dpi > 0 ? dpi / 96.0 : 1.0;
}

void FrmMain::CreateControls() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  HWND hwnd = Handle();
  toolbar_.Create(hwnd, IDC_MAIN_TOOLBAR, static_cast<int>(kPictureSize * Scale()));
  frame_ = CreateWindowExW(0, L"BUTTON", win32::ToWide(kFrameCaption).c_str(), WS_CHILD | WS_VISIBLE | BS_GROUPBOX,
                           0, 0, 0, 0, hwnd, reinterpret_cast<HMENU>(IDC_MAIN_FRAME), instance, nullptr);
  folderBox_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL,
                               0, 0, 0, 0, hwnd, reinterpret_cast<HMENU>(IDC_MAIN_FOLDER), instance, nullptr);
  SetWindowSubclass(folderBox_, &FrmMain::FolderBoxProc, 1, reinterpret_cast<DWORD_PTR>(this));
  browse_ = CreateWindowExW(0, L"BUTTON", L"...", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0, 0, 0,
                            hwnd, reinterpret_cast<HMENU>(IDC_MAIN_BROWSE), instance, nullptr);
  list_.Create(hwnd, IDC_MAIN_LIST, model_->Library());
  moveUp_ = CreateWindowExW(0, L"BUTTON", L"Вверх", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, 0, 0, 0, 0,
                            hwnd, reinterpret_cast<HMENU>(IDC_MAIN_MOVEUP), instance, nullptr);
  moveDown_ = CreateWindowExW(0, L"BUTTON", L"Вниз", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, 0, 0, 0, 0,
                              hwnd, reinterpret_cast<HMENU>(IDC_MAIN_MOVEDOWN), instance, nullptr);
  status_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, hwnd,
                            reinterpret_cast<HMENU>(IDC_MAIN_STATUS), instance, nullptr);
  for (HWND child : {frame_, folderBox_, browse_, list_.Handle(), status_}) {
    widgets::SetControlFont(child, static_cast<HFONT>(font_.Get()));
  }
  dropTarget_.Register(list_.Handle());
  CreateTooltips();
}

void FrmMain::CreateTooltips() {
  // Their texts are asked for when shown: they follow the language (ApplyCaptions).
  tooltip_ = widgets::CreateToolTipWindow(Handle());
  if (tooltip_ == nullptr) return;
  widgets::AddAskingTool(tooltip_, Handle(), reinterpret_cast<UINT_PTR>(folderBox_), TTF_IDISHWND | TTF_SUBCLASS);
  // The status bar's panels: placed by LayoutStatusBar.
  for (UINT_PTR id : {kTipCountPanel, kTipPortablePanel}) widgets::AddAskingTool(tooltip_, status_, id, TTF_SUBCLASS);
}

void FrmMain::Layout() {
  if (Handle() == nullptr || status_ == nullptr) return;
  RECT client{};
  GetClientRect(Handle(), &client);
  SendMessageW(toolbar_.Handle(), TB_AUTOSIZE, 0, 0);
  SendMessageW(status_, WM_SIZE, 0, 0);
  RECT tb{}, sb{};
  GetWindowRect(toolbar_.Handle(), &tb);
  GetWindowRect(status_, &sb);
  const MainLayout l = ComputeMainLayout(client, tb.bottom - tb.top, sb.bottom - sb.top, Scale());
  Move(frame_, l.frame);
  Move(folderBox_, l.folderBox);
  Move(browse_, l.browse);
  Move(list_.Handle(), l.list);
  Move(moveUp_, l.moveUp);
  Move(moveDown_, l.moveDown);
  LayoutStatusBar();
}

void FrmMain::LayoutStatusBar() {
  const MainWindowView& v = model_->View();
  RECT client{};
  GetClientRect(status_, &client);
  const double scale = Scale();
  const int grip = GetSystemMetrics(SM_CXVSCROLL);
  const int pad = static_cast<int>(16 * scale);
  const int panel3 = v.panel3Visible ? TextWidth(status_, win32::ToWide(v.panels[2])) + pad : 0;
  const int panel4 = v.panel4Visible ? TextWidth(status_, win32::ToWide(v.panels[3])) + pad : 0;
  int right[4];
  right[3] = client.right - grip;
  right[2] = right[3] - panel4;
  right[1] = right[2] - panel3;
  right[0] = std::min<int>(static_cast<int>(kCountPanelWidth * scale), right[1]);
  widgets::SetStatusParts(status_, right, 4);
  if (tooltip_ != nullptr) {
    const std::pair<UINT_PTR, RECT> tools[] = {{kTipCountPanel, RECT{0, 0, right[0], client.bottom}},
                                               {kTipPortablePanel, RECT{right[2], 0, right[3], client.bottom}}};
    for (const auto& [id, rect] : tools) {
      TOOLINFOW info{};
      info.cbSize = sizeof(info);
      info.hwnd = status_;
      info.uId = id;
      info.rect = rect;
      SendMessageW(tooltip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&info));
    }
  }
}

}  // namespace velgaro::library
