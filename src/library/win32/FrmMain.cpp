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
#include "library/win32/ToolbarPictures.h"
#include "platform/win32/WideText.h"
#include "platform/win32/WindowText.h"
#include "widgets/win32/Controls.h"
#include "widgets/win32/TemplateCaption.h"

namespace velgaro::library {
namespace {

constexpr UINT kIconResource = 103;
constexpr int kDefaultWidth = 760;
constexpr int kDefaultHeight = 520;
constexpr const char* kFolderBoxTip = "Путь к текущей папке vgp";

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
        PostMessageW(Handle(), kDroppedMessage, 0, 0);
      }) {
  MainWindowHooks hooks;
  hooks.hideMainWindow = [this] { ShowWindow(Handle(), SW_HIDE); };
  hooks.openControlWindow = [this](const PlayRun& run) {
    if (events_.openControlWindow) events_.openControlWindow(run);
  };
  hooks.openNewPackage = [this](const std::string& exe, const std::string& name) {
    if (events_.openNewPackage) events_.openNewPackage(Handle(), exe, name);
  };
  hooks.setTopMost = [this](bool topMost) { SetTopMost(topMost); };
  hooks.focusFolderBox = [this] {
    SetFocus(folderBox_);
    widgets::SelectAllText(folderBox_);
  };
  hooks.captionsChanged = [this] { ApplyCaptions(); };
  hooks.openProperties = [this](const std::string& row) {
    return events_.openProperties ? events_.openProperties(Handle(), row) : std::string();
  };
  hooks.openBatchEditor = [this] {
    if (events_.openBatchEditor) events_.openBatchEditor(Handle());
  };
  hooks.openDiskWizard = [this] {
    if (events_.openDiskWizard) events_.openDiskWizard(Handle());
  };
  hooks.openUpdateCheck = [this] {
    if (events_.openUpdateCheck) events_.openUpdateCheck(Handle());
  };
  hooks.openAbout = [this] { FrmAbout(app_.language, shell_).ShowModal(Handle()); };
  model_ = std::make_unique<MainWindowModel>(app, shell, std::move(hooks));
}

FrmMain::~FrmMain() {
  dropTarget_.Revoke();
  DestroyTopWindow();
  if (accelerators_ != nullptr) DestroyAcceleratorTable(accelerators_);
}

bool FrmMain::Create() {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&icc);
  font_.Reset(widgets::MessageFont());
  const double scale = Scale();
  Placement placement{WS_EX_CONTROLPARENT, WS_OVERLAPPEDWINDOW};
  placement.width = static_cast<int>(kDefaultWidth * scale);
  placement.height = static_cast<int>(kDefaultHeight * scale);
  placement.left = (GetSystemMetrics(SM_CXSCREEN) - placement.width) / 2;
  placement.top = (GetSystemMetrics(SM_CYSCREEN) - placement.height) / 2;
  placement.menu = menus_.Bar();
  widgets::WindowClassLook look;
  look.icon = kIconResource;
  if (!CreateTopWindow(win32::kMainWindowClass, look, MainWindowCaption(), placement)) return false;
  HWND hwnd = Handle();
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

void FrmMain::ApplyCaptions() {
  const Language& lang = app_.language;
  menus_.ApplyCaptions(lang);
  list_.ApplyCaptions(lang);
  widgets::ApplyTemplateCaption(frame_, lang, "main", 38);
  const auto tip = [&](const char* russian, int key) { return win32::ToWide(lang.LangText(russian, "main", key)); };
  tipTexts_ = {tip(kFolderBoxTip, 39), win32::ToWide(MainText(lang, kMainCountTip)),
               tip("Реестр игнорируется. Настройки сохраняются в файле velgaro.ini", 40)};
  toolbar_.Load(lang);
  if (Handle() != nullptr) DrawMenuBar(Handle());
  Layout();
}

void FrmMain::Refresh() {
  if (closeRequested_ && loaded_ && !model_->Busy()) {
    closeRequested_ = false;
    PostMessageW(Handle(), WM_CLOSE, 0, 0);
  }
  const MainWindowView& v = model_->View();
  if (!v.caption.empty()) win32::SetWindowTextIfChanged(Handle(), v.caption);
  win32::SetWindowTextIfChanged(folderBox_, v.folderText);
  LayoutStatusBar();
  widgets::SetStatusText(status_, 0, v.panels[0]);
  widgets::SetStatusText(status_, 1, v.panels[1]);
  widgets::SetStatusText(status_, 2, v.panel3Visible ? v.panels[2] : std::string());
  widgets::SetStatusText(status_, 3, v.panel4Visible ? v.panels[3] : std::string());
  menus_.Update(v, app_.language.Name());
  DrawMenuBar(Handle());
  toolbar_.Update(v);
  list_.Refresh();
  InvalidateRect(moveUp_, nullptr, FALSE);
  InvalidateRect(moveDown_, nullptr, FALSE);
}

void FrmMain::SyncHighlight() { model_->SetHighlighted(list_.Highlighted()); }

void FrmMain::SetTopMost(bool topMost) {
  SetWindowPos(Handle(), topMost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void FrmMain::ShowAgain(bool refreshList) {
  HWND hwnd = Handle();
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
      if (HIWORD(wParam) == 1 && !IsCommandEnabled(GetMenu(Handle()), id)) return 0;
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
      DestroyWindow(Handle());
      return 0;
    case WM_DESTROY:
      dropTarget_.Revoke();
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefaultHandling(msg, wParam, lParam);
}

}  // namespace velgaro::library
