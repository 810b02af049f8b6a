// Where frmMain's controls go for a client area: the toolbar on top, the folder frame below it, the
// list with its move buttons, the status bar at the bottom. Sizes in pixels at 96 dpi, scaled.
#pragma once

#include <windows.h>

namespace velgaro::library {

struct MainLayout {
  RECT frame, folderBox, browse, list, moveUp, moveDown;
};

// scale: the screen's dots per inch over 96.
MainLayout ComputeMainLayout(const RECT& client, int toolbarHeight, int statusHeight, double scale);

// The smallest window the layout still fits into.
SIZE MinimumMainWindowSize(double scale);

}  // namespace velgaro::library
