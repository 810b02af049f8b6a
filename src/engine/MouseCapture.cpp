#include "engine/MouseCapture.h"

namespace velgaro {
namespace {

constexpr int kMaxOwnerDepth = 64;

// The control window, or a window of its own (a tool tip, a child of its panel).
bool BelongsToControlWindow(const WindowSystem& windows, const WindowMatcher& matcher, WindowHandle window) {
  WindowHandle w = window;
  for (int depth = 0; w != 0 && depth < kMaxOwnerDepth; ++depth, w = windows.GetParent(w)) {
    if (matcher.IsControlWindow(w)) return true;
  }
  return false;
}

}  // namespace

CapturedMouseEvent CaptureMouseEvent(const WindowSystem& windows, const WindowMatcher& matcher,
                                     std::uint32_t message, Point screen) {
  CapturedMouseEvent e;
  e.point = screen;
  switch (message) {
    case kWmLButtonDown: e.kind = CapturedMouseEvent::Kind::Press; e.button = kButtonLeft; break;
    case kWmRButtonDown: e.kind = CapturedMouseEvent::Kind::Press; e.button = kButtonRight; break;
    case kWmMButtonDown: e.kind = CapturedMouseEvent::Kind::Press; e.button = kButtonMiddle; break;
    case kWmLButtonUp: e.kind = CapturedMouseEvent::Kind::Release; e.button = kButtonLeft; break;
    case kWmRButtonUp: e.kind = CapturedMouseEvent::Kind::Release; e.button = kButtonRight; break;
    case kWmMButtonUp: e.kind = CapturedMouseEvent::Kind::Release; e.button = kButtonMiddle; break;
    case kWmMouseMove: e.kind = CapturedMouseEvent::Kind::Move; break;
    default: e.kind = CapturedMouseEvent::Kind::Other; break;
  }
  if (e.kind != CapturedMouseEvent::Kind::Press) return e;
  e.window = windows.WindowFromPoint(screen);
  e.onControlWindow = BelongsToControlWindow(windows, matcher, e.window);
  if (e.onControlWindow || e.window == 0) return e;
  e.client = windows.ScreenToClient(e.window, screen);
  matcher.DescribeWindow(e.window, e.path);
  return e;
}

}  // namespace velgaro
