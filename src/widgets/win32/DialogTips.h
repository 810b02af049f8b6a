// Tool tips of a window's controls and places.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace velgaro::widgets {

// A tool tip window owned by dialog, with one tip per (control id, text); maxWidth > 0 wraps long tips.
// The tool tip window goes with the dialog.
HWND CreateDialogTips(HWND dialog, const std::vector<std::pair<int, std::string>>& tips, int maxWidth = 0);

// A tip of a control of window, with a text of its own.
void AddControlTip(HWND tooltip, HWND window, HWND control, const std::string& text);

// An empty tool tip window owned by owner, which it goes with; null when it cannot be made.
HWND CreateToolTipWindow(HWND owner);
// A tool whose text window gives when asked (TTN_GETDISPINFO): with TTF_IDISHWND in flags id is a
// control's handle, otherwise a place of window (rect; TTM_NEWTOOLRECT moves it later).
void AddAskingTool(HWND tooltip, HWND window, UINT_PTR id, UINT flags, const RECT& rect = {});

}  // namespace velgaro::widgets
