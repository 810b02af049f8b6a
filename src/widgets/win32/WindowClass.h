// The window classes of the program's own top-level windows, and the font their controls are drawn in.
#pragma once

#include <windows.h>

namespace velgaro::widgets {

struct WindowClassLook {
  LPCWSTR cursor = IDC_ARROW;                                              // a system cursor
  HBRUSH background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);         // null: the window paints it
  UINT icon = 0;                                                           // a resource of instance; 0 none
};

// Registers the class unless instance already has it (a second window, a second test): false only
// when it could not be registered.
bool RegisterClassOnce(HINSTANCE instance, LPCWSTR name, WNDPROC proc, const WindowClassLook& look = {});

// The font of message boxes, which the windows' controls share; the caller deletes it. Null when the
// system does not tell.
HFONT MessageFont();

}  // namespace velgaro::widgets
