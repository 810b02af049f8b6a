// Colours of themed controls that a dialog needs to know or to change.
#pragma once

#include <windows.h>

namespace velgaro::widgets {

// Drawn without visual styles: a themed check box paints its caption in the theme's colour whatever its
// parent answers to WM_CTLCOLORSTATIC.
void DrawWithoutTheme(HWND control);

// The colour a tab strip fills its page with, as it paints it.
COLORREF PageColourOf(HWND tabs);

}  // namespace velgaro::widgets
