#include "library/win32/FrmMain.h"

#include <commctrl.h>
#include <windowsx.h>

#include "app/win32/MainWindowClass.h"
#include "library/LibraryTexts.h"
#include "library/win32/FrmAbout.h"
#include "library/win32/LibraryResources.h"
#include "library/win32/MainWindowLayout.h"
#include "library/win32/MainWindowMessages.h"
#include "library/win32/ReadingProgress.h"
#include "widgets/win32/TemplateCaption.h"
#include "library/win32/ToolbarPictures.h"
#include "platform/win32/WideText.h"
#include "platform/win32/WindowProc.h"
#include "platform/win32/WindowText.h"
#include "widgets/win32/WindowClass.h"

namespace velgaro::library {
namespace {

constexpr UINT kIconResource = 103;
constexpr int kPictureSize = 24;
constexpr int kDefaultWidth = 760;
constexpr int kDefaultHeight = 520;
constexpr int kCountPanelWidth = 110;
constexpr const char* kFrameCaption = "Каталог расположения VGP-файлов";
constexpr const char* kFolderBoxTip = "Путь к текущей папке vgp";

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

bool IsCommandEnabled(HMENU bar, UINT id) {
  const UINT state = GetMenuState(bar, id, MF_BYCOMMAND);
  return state != static_cast<UINT>(-1) && (state & (MF_GRAYED | MF_DISABLED)) == 0;
}

}  // namespace

FrmMain::FrmMain(App& app, Shell& shell, MainFrameEvents events)
    : app_(app),
      shell_(shell),
      events_(std::move(events)),
      dropTarget_([this](const std::vector<std::string>& paths) {
        // The drag source waits for the drop to return: the work is done once it has.
        dropped_ = paths;
        PostMessageW(hwnd_.Get(), kDroppedMessage, 0, 0);
      }) {
  MainWindowHooks hooks;
  hooks.hideMainWindow = [this] { ShowWindow(hwnd_.Get(), SW_HIDE); };
  hooks.openControlWindow = [this] {
    if (events_.openControlWindow) events_.openControlWindow();
  };
  hooks.openNewPackage = [this](const std::string& exe, const std::string& name) {
    if (events_.openNewPackage) events_.openNewPackage(hwnd_.Get(), exe, name);
  };
  hooks.setTopMost = [this](bool topMost) { SetTopMost(topMost); };
  hooks.focusFolderBox = [this] {
    SetFocus(folderBox_);
    SendMessageW(folderBox_, EM_SETSEL, 0, -1);
  };
  hooks.captionsChanged = [this] { ApplyCaptions(); };
  hooks.openProperties = [this](const std::string& row) {
    return events_.openProperties ? events_.openProperties(hwnd_.Get(), row) : std::string();
  };
  hooks.openBatchEditor = [this] {
    if (events_.openBatchEditor) events_.openBatchEditor(hwnd_.Get());
  };
  hooks.openDiskWizard = [this] {
    if (events_.openDiskWizard) events_.openDiskWizard(hwnd_.Get());
  };
  hooks.openUpdateCheck = [this] {
    if (events_.openUpdateCheck) events_.openUpdateCheck(hwnd_.Get());
  };
  hooks.openAbout = [this] { FrmAbout(app_.language, shell_).ShowModal(hwnd_.Get()); };
  model_ = std::make_unique<MainWindowModel>(app, shell, std::move(hooks));
}

FrmMain::~FrmMain() {
  dropTarget_.Revoke();
  if (hwnd_) SetWindowLongPtrW(hwnd_.Get(), GWLP_USERDATA, 0);
  hwnd_.Reset();
  if (accelerators_ != nullptr) DestroyAcceleratorTable(accelerators_);
}

double FrmMain::Scale() const {
  HDC dc = GetDC(nullptr);
  const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
  ReleaseDC(nullptr, dc);
  return dpi > 0 ? dpi / 96.0 : 1.0;
}

bool FrmMain::Create() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&icc);
  widgets::WindowClassLook look;
  look.icon = kIconResource;
  if (!widgets::RegisterClassOnce(instance, win32::kMainWindowClass, &FrmMain::WindowProc, look)) return false;
  font_.Reset(widgets::MessageFont());
  const double scale = Scale();
  const int width = static_cast<int>(kDefaultWidth * scale), height = static_cast<int>(kDefaultHeight * scale);
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  const std::wstring caption = win32::ToWide(MainWindowCaption());
  HWND hwnd = CreateWindowExW(WS_EX_CONTROLPARENT, win32::kMainWindowClass, caption.c_str(),
                              WS_OVERLAPPEDWINDOW, left, top, width, height, nullptr,
                              menus_.Bar(), instance, this);
  if (hwnd == nullptr) {
    hwnd_.Release();
    return false;
  }
  menus_.AttachedToWindow();
  model_->SetOwner(reinterpret_cast<WindowHandle>(hwnd));
  CreateControls();
  const ACCEL keys[] = {{FVIRTKEY | FCONTROL, 'N', IDM_NEW_INSTALL},
                        {FVIRTKEY | FCONTROL, 'A', IDM_SELECT_ALL},
                        {FVIRTKEY, VK_DELETE, IDM_DEL_SELECT},
                        {FVIRTKEY, VK_F5, IDM_RUN_SELECT},
                        {FVIRTKEY, VK_F1, IDM_HELP_CHM}};
  accelerators_ = CreateAcceleratorTableW(const_cast<ACCEL*>(keys), static_cast<int>(std::size(keys)));
  // Before the summaries come, the window already shows the folder and its names.
  progress_ = std::make_unique<ReadingProgress>(hwnd, status_, app_.language, pump_, [this](int) { Refresh(); });
  model_->SetProgress(progress_.get());
  ApplyCaptions();
  Layout();
  ShowWindow(hwnd, SW_SHOW);
  UpdateWindow(hwnd);
  model_->Load();
  loaded_ = true;
  Refresh();
  return true;
}

void FrmMain::CreateControls() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  HWND hwnd = hwnd_.Get();
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
    if (child != nullptr && font_) SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
  }
  dropTarget_.Register(list_.Handle());
  CreateTooltips();
}

void FrmMain::CreateTooltips() {
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_.Get(), nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  if (tooltip_ == nullptr) return;
  TOOLINFOW box{};
  box.cbSize = sizeof(box);
  box.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  box.hwnd = hwnd_.Get();
  box.uId = reinterpret_cast<UINT_PTR>(folderBox_);
  box.lpszText = LPSTR_TEXTCALLBACKW;
  SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&box));
  for (UINT_PTR id : {kTipCountPanel, kTipPortablePanel}) {
    TOOLINFOW panel{};
    panel.cbSize = sizeof(panel);
    panel.uFlags = TTF_SUBCLASS;
    panel.hwnd = status_;
    panel.uId = id;
    panel.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&panel));
  }
}

void FrmMain::ApplyCaptions() {
  const Language& lang = app_.language;
  menus_.ApplyCaptions(lang);
  list_.ApplyCaptions(lang);
  widgets::ApplyTemplateCaption(frame_, lang, "main", 38);
  const auto tip = [&](const char* russian, int key) { return win32::ToWide(lang.LangText(russian, "main", key)); };
  tipTexts_ = {tip(kFolderBoxTip, 39), win32::ToWide(MainText(lang, kMainCountTip)),
               tip("Реестр игнорируется. Настройки сохраняются в файле velgaro.ini", 40)};
  toolbar_.Load(lang);
  if (hwnd_) DrawMenuBar(hwnd_.Get());
  Layout();
}

void FrmMain::Layout() {
  if (!hwnd_ || status_ == nullptr) return;
  RECT client{};
  GetClientRect(hwnd_.Get(), &client);
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
  SendMessageW(status_, SB_SETPARTS, 4, reinterpret_cast<LPARAM>(right));
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

void FrmMain::SetStatusText(int panel, const std::string& text) {
  const std::wstring wide = win32::ToWide(text);
  SendMessageW(status_, SB_SETTEXTW, static_cast<WPARAM>(panel), reinterpret_cast<LPARAM>(wide.c_str()));
}

void FrmMain::Refresh() {
  if (closeRequested_ && loaded_ && !model_->Busy()) {
    closeRequested_ = false;
    PostMessageW(hwnd_.Get(), WM_CLOSE, 0, 0);
  }
  const MainWindowView& v = model_->View();
  const std::wstring caption = win32::ToWide(v.caption);
  if (!v.caption.empty() && caption != win32::WideWindowText(hwnd_.Get())) SetWindowTextW(hwnd_.Get(), caption.c_str());
  const std::wstring folder = win32::ToWide(v.folderText);
  if (win32::WideWindowText(folderBox_) != folder) SetWindowTextW(folderBox_, folder.c_str());
  LayoutStatusBar();
  SetStatusText(0, v.panels[0]);
  SetStatusText(1, v.panels[1]);
  SetStatusText(2, v.panel3Visible ? v.panels[2] : std::string());
  SetStatusText(3, v.panel4Visible ? v.panels[3] : std::string());
  menus_.Update(v, app_.language.Name());
  DrawMenuBar(hwnd_.Get());
  toolbar_.Update(v);
  list_.Refresh();
  InvalidateRect(moveUp_, nullptr, FALSE);
  InvalidateRect(moveDown_, nullptr, FALSE);
}

void FrmMain::SyncHighlight() { model_->SetHighlighted(list_.Highlighted()); }

void FrmMain::SetTopMost(bool topMost) {
  SetWindowPos(hwnd_.Get(), topMost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void FrmMain::ShowAgain(bool refreshList) {
  HWND hwnd = hwnd_.Get();
  ShowWindow(hwnd, SW_SHOW);
  // Back in front of an installer still open, active, and with the keyboard on the list: the user's next
  // key (Ctrl+N, F5) is for this window.
  SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetForegroundWindow(hwnd);
  SetActiveWindow(hwnd);
  SetFocus(list_.Handle());
  if (refreshList) model_->RefreshList();
  Refresh();
}

void FrmMain::OnDrawItem(const DRAWITEMSTRUCT& item) {
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  RECT r = item.rcItem;
  DrawFrameControl(item.hDC, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
  const bool enabled = (item.itemState & ODS_DISABLED) == 0;
  DrawMoveArrow(item.hDC, item.rcItem, item.CtlID == IDC_MAIN_MOVEUP, enabled);
  if (item.itemState & ODS_FOCUS) {
    RECT focus = item.rcItem;
    InflateRect(&focus, -4, -4);
    DrawFocusRect(item.hDC, &focus);
  }
}

LRESULT FrmMain::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  HWND hwnd = hwnd_.Get();
  switch (msg) {
    case WM_SIZE:
      Layout();
      return 0;
    case WM_GETMINMAXINFO: {
      const SIZE least = MinimumMainWindowSize(Scale());
      reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = POINT{least.cx, least.cy};
      return 0;
    }
    case WM_COMMAND: {
      const UINT id = LOWORD(wParam);
      if (id == IDC_MAIN_FOLDER) {
        if (HIWORD(wParam) == kFolderEnter) {
          model_->FolderTyped(win32::WindowTextUtf8(folderBox_));
          Refresh();
        }
        return 0;
      }
      // A shortcut of a disabled command does nothing, as its menu item would.
      if (HIWORD(wParam) == 1 && !IsCommandEnabled(GetMenu(hwnd), id)) return 0;
      Command(id);
      return 0;
    }
    case WM_NOTIFY:
      return OnNotify(reinterpret_cast<NMHDR*>(lParam));
    case WM_DRAWITEM:
      OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case kDroppedMessage: {
      const std::vector<std::string> paths = std::move(dropped_);
      dropped_.clear();
      model_->Drop(paths);
      Refresh();
      return 0;
    }
    case kMarkFromKeyboard:
      model_->MarkRow(list_.SelectionMark());
      SyncHighlight();
      return 0;
    case WM_CLOSE:
      if (model_->Busy() || !loaded_) {
        // The read goes on with messages flowing: the window closes once it is over (Refresh).
        closeRequested_ = true;
        return 0;
      }
      model_->Unload();
      DestroyWindow(hwnd);
      return 0;
    case WM_DESTROY:
      dropTarget_.Revoke();
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK FrmMain::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return win32::ForwardToWindowObject(hwnd, msg, wParam, lParam, &FrmMain::hwnd_, &FrmMain::HandleMessage);
}

}  // namespace velgaro::library
