// A simulated desktop for tests: windows with class, caption, parent, owner, rectangle (screen
// coordinates), z-order and visibility, searched as user32 searches them, and a log of injected input.
// Processes, clock, timers and the message pump are in SimRuntime.h; a scripted installer in SimInstaller.h.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/Ports.h"
#include "platform/sim/SimRuntime.h"

namespace velgaro {

struct SimWindowSpec {
  std::string className;
  std::string caption;
  WindowHandle parent = 0;   // 0: a top-level window
  WindowHandle owner = 0;    // top-level windows only: the owner that GetParent reports
  Rect rect;                 // screen coordinates; the client area is the whole rectangle
  bool visible = true;
  bool topMost = false;
  bool minimized = false;    // top-level windows only; see SimDesktop::Minimize
  std::int32_t process = 0;  // the process that made it; 0: a child's is its parent's
};

// One injected call, as the program made it.
struct InputEvent {
  enum Kind { kCursor, kMouse };
  Kind kind = kCursor;
  std::uint32_t flags = 0;   // kMouse: the mouse_event flags
  std::int32_t x = 0;        // kCursor: the position; kMouse: dx
  std::int32_t y = 0;
  bool operator==(const InputEvent& o) const { return kind == o.kind && flags == o.flags && x == o.x && y == o.y; }
};

class SimDesktop : public WindowSystem, public Input {
 public:
  static constexpr WindowHandle kDesktop = 0x10010;

  explicit SimDesktop(int screenWidth = 1024, int screenHeight = 768);

  // A new top-level window goes on top (top-most windows stay above the others); a new child goes below
  // its siblings, so that children are found in the order they were created.
  WindowHandle Create(const SimWindowSpec& spec);
  // Destroys the window, its children and the windows it owns.
  void Destroy(WindowHandle window);
  void Show(WindowHandle window, bool visible);
  // Moves the window and its children by (dx, dy).
  void MoveBy(WindowHandle window, std::int32_t dx, std::int32_t dy);
  // Minimises a top-level window as Windows does: it keeps its size but moves to (-32000, -32000), out of
  // reach of the pointer, until it is restored to where it was.
  void Minimize(WindowHandle window);
  bool Exists(WindowHandle window) const { return windows_.count(window) != 0; }
  const SimWindowSpec* Find(WindowHandle window) const;
  std::vector<WindowHandle> TopLevelZOrder() const { return topLevel_; }   // front first

  // Called when a left press and its release land on the same window.
  void OnClick(WindowHandle window, std::function<void()> handler);
  // What the window does once WM_SETTEXT has given it a text: it returns the window whose life holds the
  // sender up (a message box its handler shows and waits on), or 0 when it answers at once.
  void OnSetText(WindowHandle window, std::function<WindowHandle(const std::string& text)> handler);
  // A window that never answers WM_SETTEXT: the text never arrives and the sender is never answered.
  void SetHung(WindowHandle window, bool hung);
  // Called as each WM_SETTEXT is sent, before the window takes it.
  std::function<void(WindowHandle window, const std::string& text)> onTextSent;
  // Every WM_SETTEXT sent, in order: (window, text).
  const std::vector<std::pair<WindowHandle, std::string>>& TextsSent() const { return textsSent_; }

  const std::vector<InputEvent>& InputLog() const { return inputLog_; }
  void ClearInputLog() { inputLog_.clear(); }
  Point Cursor() const { return cursor_; }
  const std::vector<WindowHandle>& ForegroundCalls() const { return foregroundCalls_; }
  WindowHandle Foreground() const { return foreground_; }

  // WindowSystem.
  WindowHandle FindWindowEx(WindowHandle parent, WindowHandle after, const std::optional<std::string>& className,
                            const std::optional<std::string>& caption) const override;
  WindowHandle WindowFromPoint(Point screen) const override;
  Point ClientToScreen(WindowHandle window, Point client) const override;
  Point ScreenToClient(WindowHandle window, Point screen) const override;
  WindowHandle GetParent(WindowHandle window) const override;
  std::string GetWindowText(WindowHandle window) const override;
  std::string GetClassName(WindowHandle window) const override;
  WindowHandle GetDesktopWindow() const override { return kDesktop; }
  bool SetForegroundWindow(WindowHandle window) override;
  bool SetTopMost(WindowHandle window, bool topMost) override;
  WindowHandle GetRootWindow(WindowHandle window) const override { return TopLevelOf(window); }
  bool IsVisible(WindowHandle window) const override;
  bool IsMinimized(WindowHandle window) const override;
  bool RestoreWindow(WindowHandle window) override;
  bool IsTopMost(WindowHandle window) const override;
  bool SetZOrder(WindowHandle window, ZPlace place) override;
  std::optional<Rect> GetWindowRect(WindowHandle window) const override;
  bool MoveWindowTo(WindowHandle window, Point topLeft) override;
  std::shared_ptr<const TextDelivery> BeginSetText(WindowHandle window, const std::string& text) override;
  std::string GetTextByMessage(WindowHandle window, std::size_t maxChars) const override;
  std::int32_t WindowProcessId(WindowHandle window) const override;

  // Input.
  void SetCursorPos(std::int32_t x, std::int32_t y) override;
  void MouseEvent(std::uint32_t flags, std::int32_t dx, std::int32_t dy) override;

 private:
  std::vector<WindowHandle>* SiblingsOf(WindowHandle window);
  void PlaceOnTop(WindowHandle window);   // among its siblings, within its band
  WindowHandle DeepestAt(WindowHandle window, Point p) const;
  WindowHandle TopLevelOf(WindowHandle window) const;

  int screenWidth_;
  int screenHeight_;
  WindowHandle next_ = 0x20000;
  std::map<WindowHandle, SimWindowSpec> windows_;
  std::map<WindowHandle, std::vector<WindowHandle>> children_;   // front first
  std::vector<WindowHandle> topLevel_;                           // front first, top-most band first
  std::map<WindowHandle, std::function<void()>> clickHandlers_;
  std::map<WindowHandle, std::function<WindowHandle(const std::string&)>> textHandlers_;
  std::vector<WindowHandle> hung_;
  std::vector<std::pair<WindowHandle, std::string>> textsSent_;
  std::map<WindowHandle, Rect> restoredRects_;                   // where minimised windows come back to
  std::vector<InputEvent> inputLog_;
  std::vector<WindowHandle> foregroundCalls_;
  WindowHandle foreground_ = 0;
  WindowHandle pressed_ = 0;
  Point cursor_;
};

}  // namespace velgaro
