// Window class of the main window: registered by the main window, looked for by a second copy.
#pragma once

namespace velgaro::win32 {

inline constexpr wchar_t kMainWindowClass[] = L"VelgaroMainWindow";

}  // namespace velgaro::win32
