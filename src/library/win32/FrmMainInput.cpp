// The main window's commands and input: menus, buttons and keys run here, as do the list's clicks and
// notifications and the folder box's Enter.
#include "library/win32/FrmMain.h"

#include <commctrl.h>

#include "library/win32/LibraryResources.h"
#include "library/win32/MainWindowMessages.h"

namespace velgaro::library {

void FrmMain::FolderButton() {
  if (!model_->FolderButton()) return;
  const RECT button = toolbar_.ScreenRect(IDM_TB_FOLDER);
  const UINT chosen = menus_.ShowRecentMenu(Handle(), POINT{button.left, button.bottom}, model_->Recent());
  if (chosen != 0) Command(chosen);
}

void FrmMain::Command(UINT id) {
  MainWindowModel& m = *model_;
  SyncHighlight();
  switch (id) {
    case IDM_ADD_FOLDER:
    case IDC_MAIN_BROWSE:
    case IDM_RECENT_FIRST: m.ChooseFolderVGP(); break;
    case IDM_TB_FOLDER: FolderButton(); break;
    case IDM_RELOAD: m.Reload(); break;
    case IDM_NEW_INSTALL:
    case IDM_NEW_INSTALL2: m.NewPackage(); break;
    case IDM_EXIT: PostMessageW(Handle(), WM_CLOSE, 0, 0); break;
    case IDM_SELECT_ALL:
    case IDM_SELECT_ALL2: m.ListSelectAll(); break;
    case IDM_UNSELECT_ALL:
    case IDM_UNSELECT_ALL2: m.ListUnSelect(); break;
    case IDM_INVERT_SEL:
    case IDM_INVERT_SEL2: m.ListInvertSel(); break;
    case IDM_DEL_SELECT:
    case IDM_DEL_SELECT2: m.DelSelect(); break;
    case IDM_SEL_ITEM2: m.SetChecked(m.View().markedRow, true); break;
    case IDM_UNSELECT_ONE2: m.SetChecked(m.View().markedRow, false); break;
    case IDM_TOPMOST: m.ToggleTopMost(); break;
    case IDM_RUN_SELECT:
    case IDM_RUN_SELECT2: m.ProcRunVGP(); break;
    case IDM_RUN_ALL: m.RunAll(); break;
    case IDM_CONTROL_PANEL: m.OpenControlPanel(); break;
    case IDM_ADD_REMOVE: m.OpenAddRemovePrograms(); break;
    case IDM_ASOC: m.Associate(); break;
    case IDM_PORTABLE: m.TogglePortable(); break;
    case IDM_PROPERTY:
    case IDM_PROPERTY2: m.ShowProperty(); break;
    case IDM_WIZARD_PACK: m.WizardPack(); break;
    case IDM_ISO: m.DiskWizard(); break;
    case IDM_HELP_CHM: m.HelpCHM(); break;
    case IDM_LETTER: m.WriteLetter(); break;
    case IDM_SITE: m.OpenSite(); break;
    case IDM_FAQ: m.OpenGuestBook(); break;
    case IDM_ABOUT: m.About(); break;
    case IDM_CHECK_UPDATE: m.CheckUpdate(); break;
    case IDC_MAIN_MOVEUP: m.MoveUpLV(); break;
    case IDC_MAIN_MOVEDOWN: m.MoveDownLV(); break;
    default:
      if (id >= IDM_SPEED_FIRST && id < IDM_SPEED_FIRST + 3) {
        m.SelectSpeed(static_cast<int>(id - IDM_SPEED_FIRST));
      } else if (id >= IDM_LANGUAGE_FIRST && id <= IDM_LANGUAGE_LAST) {
        m.SelectLanguage(menus_.LanguageOf(id));
      } else if (id > IDM_RECENT_FIRST && id <= IDM_RECENT_FIRST + RecentFolders::kCount) {
        m.OpenRecentFolder(static_cast<int>(id - IDM_RECENT_FIRST));
      }
      break;
  }
  if (Handle() != nullptr) Refresh();
}

void FrmMain::OnListClick(NMITEMACTIVATE* click, bool doubleClick) {
  bool onCheckBox = false;
  const int row = list_.RowAt(click->ptAction, &onCheckBox);
  if (row == 0) return;
  SyncHighlight();
  model_->MarkRow(row);
  // A click on the box ticks it; a double click elsewhere on the row does the same.
  if (onCheckBox != doubleClick) model_->ToggleCheck(row);
  Refresh();
}

void FrmMain::OnRightClick() {
  POINT screen{};
  GetCursorPos(&screen);
  POINT client = screen;
  ScreenToClient(list_.Handle(), &client);
  SyncHighlight();
  const ContextMenuState state = model_->RightClick(list_.RowAt(client));
  Refresh();
  menus_.ShowContextMenu(Handle(), screen, state);
}

LRESULT FrmMain::OnNotify(NMHDR* header) {
  if (list_.Answer(header, [this](int row) { return model_->RowTip(row); })) return 0;
  if (header->hwndFrom == list_.Handle()) {
    switch (header->code) {
      case NM_CLICK: OnListClick(reinterpret_cast<NMITEMACTIVATE*>(header), false); return 0;
      case NM_DBLCLK: OnListClick(reinterpret_cast<NMITEMACTIVATE*>(header), true); return 0;
      case NM_RCLICK: OnRightClick(); return 0;
      case LVN_KEYDOWN: {
        const WORD key = reinterpret_cast<NMLVKEYDOWN*>(header)->wVKey;
        if (key == VK_SPACE) {
          SyncHighlight();
          model_->ToggleCheck(list_.FocusedRow());
          Refresh();
        }
        // The marked row follows the keyboard once the key has moved the selection.
        PostMessageW(Handle(), kMarkFromKeyboard, 0, 0);
        return 0;
      }
      default: break;
    }
  }
  if (header->code == TTN_GETDISPINFOW) {
    auto* info = reinterpret_cast<NMTTDISPINFOW*>(header);
    const UINT_PTR id = header->idFrom;
    const bool ours = header->hwndFrom == tooltip_;
    std::size_t tip = tipTexts_.size();
    if (id == reinterpret_cast<UINT_PTR>(folderBox_)) tip = kTipFolderBox;
    if (ours && id == kTipCountPanel) tip = kTipCountPanel;
    if (ours && id == kTipPortablePanel && model_->View().panel4Visible) tip = kTipPortablePanel;
    const std::wstring* button = ours ? nullptr : toolbar_.TipOf(static_cast<UINT>(id));
    if (button != nullptr) {
      tipBuffer_ = *button;
    } else {
      tipBuffer_ = tip < tipTexts_.size() ? tipTexts_[tip] : std::wstring();
    }
    info->lpszText = tipBuffer_.data();
    return 0;
  }
  return 0;
}

bool FrmMain::PreTranslate(MSG& message) {
  HWND hwnd = Handle();
  if (hwnd == nullptr || !IsWindowVisible(hwnd)) return false;
  if (message.hwnd != hwnd && !IsChild(hwnd, message.hwnd)) return false;
  if (message.message == WM_KEYDOWN && GetFocus() == folderBox_) {
    // In the folder box these keys edit the text.
    const bool control = GetKeyState(VK_CONTROL) < 0;
    if (message.wParam == VK_DELETE || (control && message.wParam == 'A')) return false;
  }
  if (IsPropertiesKey(message)) {
    Command(IDM_PROPERTY);
    return true;
  }
  if (accelerators_ != nullptr && TranslateAcceleratorW(hwnd, accelerators_, &message)) return true;
  return IsDialogMessageW(hwnd, &message) != FALSE;
}

bool FrmMain::IsPropertiesKey(const MSG& message) const {
  // Alt+Enter arrives as a system key; plain Enter does nothing in the list.
  if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
  if (message.wParam != VK_RETURN || message.hwnd != list_.Handle()) return false;
  return GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0;
}

LRESULT CALLBACK FrmMain::FolderBoxProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                        DWORD_PTR self) {
  switch (msg) {
    case WM_GETDLGCODE:
      if (lParam != 0 && reinterpret_cast<MSG*>(lParam)->wParam == VK_RETURN) return DLGC_WANTALLKEYS;
      break;
    case WM_KEYDOWN:
      if (wParam == VK_RETURN) {
        SendMessageW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(IDC_MAIN_FOLDER, kFolderEnter), reinterpret_cast<LPARAM>(hwnd));
        return 0;
      }
      break;
    case WM_CHAR:
      if (wParam == L'\r') return 0;   // no beep
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(hwnd, &FrmMain::FolderBoxProc, 1);
      break;
    default:
      break;
  }
  (void)self;
  return DefSubclassProc(hwnd, msg, wParam, lParam);
}

}  // namespace velgaro::library
