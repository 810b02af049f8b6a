// What the low-level mouse hook keeps of one event. The hook callback only asks the window manager
// (which window is under the point, and its description); everything else is done after the callback
// has returned, from the queue of captured events.
#pragma once

#include <cstdint>

#include "engine/WindowMatching.h"
#include "package/PackageImage.h"
#include "platform/Ports.h"

namespace velgaro {

// The mouse messages of the hook, as Windows numbers them.
enum : std::uint32_t { kWmMouseMove = 0x0200, kWmLButtonDown = 0x0201, kWmLButtonUp = 0x0202,
                       kWmRButtonDown = 0x0204, kWmRButtonUp = 0x0205, kWmMButtonDown = 0x0207,
                       kWmMButtonUp = 0x0208 };

struct CapturedMouseEvent {
  enum class Kind { Press, Move, Release, Other };
  Kind kind = Kind::Other;
  std::int16_t button = 0;        // ButtonCode of a press or release
  Point point;                    // screen pixels
  // Presses only: the window under the point, whether it is the control window (or one of its own
  // windows), its client coordinates and its description, taken at the moment of the press.
  WindowHandle window = 0;
  bool onControlWindow = false;
  Point client;
  WindowPath path;
};

// Runs inside the hook callback: non-blocking questions to the window manager only.
CapturedMouseEvent CaptureMouseEvent(const WindowSystem& windows, const WindowMatcher& matcher,
                                     std::uint32_t message, Point screen);

}  // namespace velgaro
