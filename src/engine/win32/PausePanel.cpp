#include "engine/win32/PausePanel.h"

#include <commctrl.h>

#include "engine/win32/ControlBarLayout.h"
#include "engine/win32/ControlWindowResources.h"
#include "platform/win32/WideText.h"
#include "platform/win32/WindowText.h"
#include "widgets/win32/Controls.h"
#include "widgets/win32/DialogTips.h"

namespace velgaro::stels {

using widgets::IsChecked;
using widgets::SetChecked;

HWND PausePanel::Make(const wchar_t* cls, const std::string& text, DWORD style, int id, const Box& box) {
  HWND control = CreateWindowExW(0, cls, win32::ToWide(text).c_str(), WS_CHILD | WS_VISIBLE | style, box.left,
                                 box.top, box.width, box.height, parent_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  widgets::SetControlFont(control, font_);
  return control;
}

void PausePanel::AddTip(HWND control, const std::string& text) {
  if (tooltip_ == nullptr || control == nullptr || text.empty()) return;
  widgets::AddControlTip(tooltip_, parent_, control, text);
}

void PausePanel::Create(HWND parent, HFONT font, HWND tooltip) {
  parent_ = parent;
  font_ = font;
  tooltip_ = tooltip;
  Make(L"STATIC", texts_.status, SS_LEFT | SS_NOPREFIX | SS_ENDELLIPSIS, IDC_STELS_STATUS, kStatusLabel);
  Make(L"EDIT", "", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, IDC_STELS_TEXT, kTextBox);
  AddTip(Make(L"BUTTON", texts_.filter, WS_TABSTOP | BS_AUTOCHECKBOX, IDC_STELS_FILTER, kFilterBox), texts_.filterTip);
  AddTip(Make(L"BUTTON", texts_.replace, WS_TABSTOP | BS_AUTOCHECKBOX, IDC_STELS_REPLACE, kReplaceBox),
         texts_.replaceTip);
  AddTip(Make(L"BUTTON", texts_.insert, WS_TABSTOP, IDC_STELS_INSERT, kInsertButton), texts_.insertTip);
  AddTip(Make(L"BUTTON", texts_.browse, WS_TABSTOP, IDC_STELS_BROWSE, kBrowseButton), texts_.browseTip);
  AddTip(Make(L"BUTTON", texts_.panel, WS_TABSTOP, IDC_STELS_PANEL, kPanelButton), texts_.panelTip);
  AddTip(Make(L"BUTTON", texts_.rezume, WS_TABSTOP, IDC_STELS_REZUME, kRezumeButton), texts_.rezumeTip);
}

void PausePanel::Show(const RecorderView& view) {
  if (parent_ == nullptr) return;
  if (view.text1 != shownText_) {
    shownText_ = view.text1;
    // The recorder's own change of the box is no typing of the user.
    settingText_ = true;
    SetWindowTextW(Control(IDC_STELS_TEXT), win32::ToWide(view.text1).c_str());
    settingText_ = false;
  }
  SetStatus(view.lblStatus.empty() ? texts_.status : view.lblStatus);
  EnableWindow(Control(IDC_STELS_FILTER), view.filterEnabled);
  SetChecked(Control(IDC_STELS_FILTER), view.filterChecked);
  EnableWindow(Control(IDC_STELS_REPLACE), view.replaceEnabled);
  SetChecked(Control(IDC_STELS_REPLACE), view.replaceChecked);
}

void PausePanel::SetStatus(const std::string& text) {
  win32::SetWindowTextIfChanged(Control(IDC_STELS_STATUS), text);
}

std::string PausePanel::TextOfBox() const { return win32::WindowTextUtf8(Control(IDC_STELS_TEXT)); }

void PausePanel::HighLightText(const std::string& text) {
  HWND box = Control(IDC_STELS_TEXT);
  const auto [start, end] = widgets::ReplaceSelection(box, text);
  SetFocus(box);
  widgets::SelectText(box, start, end);
}

void PausePanel::PopUpMenu(int buttonId, bool folderMenu) {
  HMENU menu = CreatePopupMenu();
  if (menu == nullptr) return;
  const auto add = [menu](InsertItem item, const std::string& caption) {
    AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(item) + 1, win32::ToWide(caption).c_str());
  };
  if (folderMenu) {
    add(InsertItem::File, texts_.file);
    add(InsertItem::Folder, texts_.folder);
  } else {
    add(InsertItem::Clipboard, texts_.clipboard);
    add(InsertItem::ProgramFiles, texts_.programFiles);
    add(InsertItem::UserName, texts_.userName);
    add(InsertItem::Temp, texts_.temp);
  }
  RECT button{};
  GetWindowRect(Control(buttonId), &button);
  const UINT chosen = static_cast<UINT>(TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_NONOTIFY,
                                                       button.right, button.top, 0, parent_, nullptr));
  DestroyMenu(menu);
  if (chosen == 0 || !events_.insertText) return;
  if (const std::optional<std::string> text = events_.insertText(static_cast<InsertItem>(chosen - 1))) {
    HighLightText(*text);
  }
}

bool PausePanel::OnCommand(WPARAM wParam, LPARAM) {
  const int id = LOWORD(wParam);
  const int code = HIWORD(wParam);
  switch (id) {
    case IDC_STELS_TEXT:
      if (code == EN_CHANGE && !settingText_) {
        shownText_ = TextOfBox();
        if (events_.textChanged) events_.textChanged(shownText_);
      }
      return true;
    case IDC_STELS_FILTER:
      if (code == BN_CLICKED && events_.filterClicked) events_.filterClicked(IsChecked(Control(id)));
      return true;
    case IDC_STELS_REPLACE:
      if (code == BN_CLICKED && events_.replaceClicked) events_.replaceClicked(IsChecked(Control(id)));
      return true;
    case IDC_STELS_INSERT:
      if (code == BN_CLICKED) PopUpMenu(id, false);
      return true;
    case IDC_STELS_BROWSE:
      if (code == BN_CLICKED) PopUpMenu(id, true);
      return true;
    case IDC_STELS_PANEL:
      if (code == BN_CLICKED && events_.controlPanel) events_.controlPanel();
      return true;
    case IDC_STELS_REZUME:
      if (code == BN_CLICKED && events_.rezume) events_.rezume();
      return true;
    default:
      return false;
  }
}

bool PausePanel::OnSetCursor(HWND over) {
  if (parent_ == nullptr || GetParent(over) != parent_ || !events_.hoverText) return false;
  const struct { int id; RecorderControl control; const std::string* tip; } controls[] = {
      {IDC_STELS_REPLACE, RecorderControl::Replace, &texts_.replaceTip},
      {IDC_STELS_BROWSE, RecorderControl::Browse, &texts_.browseTip},
      {IDC_STELS_REZUME, RecorderControl::Rezume, &texts_.rezumeTip},
      {IDC_STELS_INSERT, RecorderControl::Insert, &texts_.insertTip},
      {IDC_STELS_PANEL, RecorderControl::Panel, &texts_.panelTip},
      {IDC_STELS_FILTER, RecorderControl::Filter, &texts_.filterTip},
      {IDC_STELS_TEXT, RecorderControl::Text1, &texts_.status}};
  const int id = GetDlgCtrlID(over);
  for (const auto& c : controls) {
    if (c.id == id) {
      SetStatus(events_.hoverText(c.control, *c.tip));
      return false;   // the cursor itself is the control's business
    }
  }
  return false;
}

}  // namespace velgaro::stels
