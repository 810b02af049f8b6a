// Windows as user32 sees them, through the wide API; texts cross the port as UTF-8.
#pragma once

#include "platform/Ports.h"

// The port's method names, not the A/W macros of <windows.h> (see Ports.h).
#pragma push_macro("FindWindowEx")
#pragma push_macro("GetWindowText")
#pragma push_macro("GetClassName")
#undef FindWindowEx
#undef GetWindowText
#undef GetClassName

namespace velgaro::win32 {

class Win32Windows final : public WindowSystem {
 public:
  // A worker gives up on a window that has not answered WM_SETTEXT in this time.
  static constexpr unsigned kMessageTimeoutMs = 10000;
  // The user-interface thread waits at most this long for another program's window to answer.
  static constexpr unsigned kQueryTimeoutMs = 250;

  WindowHandle FindWindowEx(WindowHandle parent, WindowHandle after, const std::optional<std::string>& className,
                            const std::optional<std::string>& caption) const override;
  WindowHandle WindowFromPoint(Point screen) const override;
  Point ClientToScreen(WindowHandle window, Point client) const override;
  Point ScreenToClient(WindowHandle window, Point screen) const override;
  WindowHandle GetParent(WindowHandle window) const override;
  std::string GetWindowText(WindowHandle window) const override;
  std::string GetClassName(WindowHandle window) const override;
  WindowHandle GetDesktopWindow() const override;
  bool SetForegroundWindow(WindowHandle window) override;
  bool SetTopMost(WindowHandle window, bool topMost) override;
  WindowHandle GetRootWindow(WindowHandle window) const override;
  bool IsMinimized(WindowHandle window) const override;
  bool IsVisible(WindowHandle window) const override;
  bool RestoreWindow(WindowHandle window) override;
  bool IsTopMost(WindowHandle window) const override;
  bool SetZOrder(WindowHandle window, ZPlace place) override;
  std::optional<Rect> GetWindowRect(WindowHandle window) const override;
  bool MoveWindowTo(WindowHandle window, Point topLeft) override;
  std::shared_ptr<const TextDelivery> BeginSetText(WindowHandle window, const std::string& text) override;
  std::string GetTextByMessage(WindowHandle window, std::size_t maxChars) const override;
  std::int32_t WindowProcessId(WindowHandle window) const override;
};

}  // namespace velgaro::win32

#pragma pop_macro("GetClassName")
#pragma pop_macro("GetWindowText")
#pragma pop_macro("FindWindowEx")
