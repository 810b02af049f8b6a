// Messages and tool identifiers that the main window's files share.
#pragma once

#include <windows.h>

namespace velgaro::library {

inline constexpr UINT kFolderEnter = 0x7001;            // notification of Text1: Enter was pressed
inline constexpr UINT kDroppedMessage = WM_APP + 10;    // files were dropped on the list
inline constexpr UINT kMarkFromKeyboard = WM_APP + 11;  // a key in the list may have moved the selection

// Tool tips of the window's own tools, by the order of FrmMain's tip texts.
enum : UINT_PTR { kTipFolderBox = 0, kTipCountPanel = 1, kTipPortablePanel = 2 };

}  // namespace velgaro::library
