// Thin calls for the controls the windows drive most, so that a window reads as what it does rather
// than as the messages it sends. Each is one message or two; none keeps state.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace velgaro::widgets {

// Check boxes and radio buttons.
bool IsChecked(HWND button);
void SetChecked(HWND button, bool checked);

// Edit boxes (positions in UTF-16 units; -1 the end).
void SelectText(HWND edit, int start, int end);
void SelectAllText(HWND edit);
void PlaceCaret(HWND edit, int position);
// The selection replaced by text, as typing would (undoable): where the text now starts and ends.
std::pair<int, int> ReplaceSelection(HWND edit, const std::string& text);
void ScrollCaretToEnd(HWND edit);
void LimitText(HWND edit, int characters);

// Combo boxes (drop-down lists).
void AddComboItems(HWND combo, const std::vector<std::string>& items);
int ComboSelection(HWND combo);   // -1 none
void SelectComboItem(HWND combo, int index);   // sent only when it differs

// A control of a dialog and the text it is to show.
struct ControlText {
  int id;
  const std::string& text;
};
// Each control's text set where it differs: a control given its own text again repaints for nothing.
void ShowTexts(HWND dialog, std::initializer_list<ControlText> texts);

// The dialog's focus moved to control as Tab would move it (the default button follows).
void FocusDialogControl(HWND dialog, HWND control);
// A control drawn in font; nothing when either is missing.
void SetControlFont(HWND control, HFONT font, bool redraw = false);
// An icon static's picture.
void SetStaticIcon(HWND picture, HICON icon);

// Status bars.
void SetStatusParts(HWND status, const int* rightEdges, int count);
void SetStatusText(HWND status, int part, const std::string& text);

// Progress bar controls.
void SetProgress(HWND bar, int position, int maximum);

}  // namespace velgaro::widgets
