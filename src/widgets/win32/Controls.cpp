#include "widgets/win32/Controls.h"

#include <commctrl.h>

#include "platform/win32/WideText.h"
#include "platform/win32/WindowText.h"

namespace velgaro::widgets {

bool IsChecked(HWND button) { return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void SetChecked(HWND button, bool checked) {
  SendMessageW(button, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void SelectText(HWND edit, int start, int end) { SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(start), end); }

void SelectAllText(HWND edit) { SelectText(edit, 0, -1); }

void PlaceCaret(HWND edit, int position) { SelectText(edit, position, position); }

std::pair<int, int> ReplaceSelection(HWND edit, const std::string& text) {
  DWORD start = 0, end = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const std::wstring wide = win32::ToWide(text);
  SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(wide.c_str()));
  const int from = static_cast<int>(start);
  return {from, from + static_cast<int>(wide.size())};
}

void ScrollCaretToEnd(HWND edit) {
  PlaceCaret(edit, -1);
  SendMessageW(edit, EM_SCROLLCARET, 0, 0);
}

void LimitText(HWND edit, int characters) { SendMessageW(edit, EM_SETLIMITTEXT, static_cast<WPARAM>(characters), 0); }

void AddComboItems(HWND combo, const std::vector<std::string>& items) {
  for (const std::string& item : items) {
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(win32::ToWide(item).c_str()));
  }
}

int ComboSelection(HWND combo) { return static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0)); }

void SelectComboItem(HWND combo, int index) {
  if (ComboSelection(combo) != index) SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void ShowTexts(HWND dialog, std::initializer_list<ControlText> texts) {
  for (const ControlText& t : texts) win32::SetWindowTextIfChanged(GetDlgItem(dialog, t.id), t.text);
}

void FocusDialogControl(HWND dialog, HWND control) {
  SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

void SetControlFont(HWND control, HFONT font, bool redraw) {
  if (control != nullptr && font != nullptr) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
}

void SetStaticIcon(HWND picture, HICON icon) {
  SendMessageW(picture, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
}

void SetStatusParts(HWND status, const int* rightEdges, int count) {
  SendMessageW(status, SB_SETPARTS, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(rightEdges));
}

void SetStatusText(HWND status, int part, const std::string& text) {
  const std::wstring wide = win32::ToWide(text);
  SendMessageW(status, SB_SETTEXTW, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(wide.c_str()));
}

void SetProgress(HWND bar, int position, int maximum) {
  SendMessageW(bar, PBM_SETRANGE32, 0, maximum);
  SendMessageW(bar, PBM_SETPOS, static_cast<WPARAM>(position), 0);
}

}  // namespace velgaro::widgets
