// Tool tips for a dialog's controls.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace velgaro::widgets {

// A tool tip window owned by dialog, with one tip per (control id, text); maxWidth > 0 wraps long tips.
// The tool tip window goes with the dialog.
HWND CreateDialogTips(HWND dialog, const std::vector<std::pair<int, std::string>>& tips, int maxWidth = 0);

}  // namespace velgaro::widgets
