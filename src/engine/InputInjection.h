// Replaying recorded mouse steps as real input, and putting texts into windows.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/WindowMatching.h"
#include "package/PackageImage.h"
#include "platform/Ports.h"

namespace velgaro {

// 65535 / screen size, rounded half to even: the factors of absolute pointer moves.
struct AbsScale {
  std::int32_t AbsScaleX = 0;
  std::int32_t AbsScaleY = 0;
};
AbsScale ComputeAbsScale(int screenWidth, int screenHeight);

// The primary screen in pixels: where the pointer can go, and what absolute moves are scaled to.
struct ScreenSize {
  int width = 0;
  int height = 0;
  bool Contains(Point p) const { return p.x >= 0 && p.y >= 0 && p.x < width && p.y < height; }
};

// The client point of the first press among the steps; nullopt when they hold none.
std::optional<Point> FirstPressPoint(const std::vector<MouseStep>& steps);

class InputInjector {
 public:
  InputInjector(WindowSystem& windows, Input& input, MessagePump& pump, const WindowMatcher& matcher, ScreenSize screen)
      : windows_(windows), input_(input), pump_(pump), matcher_(matcher), screen_(screen),
        scale_(ComputeAbsScale(screen.width, screen.height)) {}

  // True when the press was delivered or there was nothing to play; false when the press point was covered
  // (another window is there, or the point lies off the screen where the pointer cannot reach it).
  bool PlayMouseSteps(WindowHandle window, const std::vector<MouseStep>& steps);
  // Asks for the window to be the foreground window and gives it the text. The text is sent without
  // waiting: the window may answer it with a box of its own, which the next action then presses.
  std::shared_ptr<const TextDelivery> PutWindowText(WindowHandle window, const std::string& text);
  std::string FetchWindowText(WindowHandle window) const;

  WindowHandle LastWindow() const { return lastWindow_; }
  const AbsScale& Scale() const { return scale_; }

 private:
  WindowSystem& windows_;
  Input& input_;
  MessagePump& pump_;
  const WindowMatcher& matcher_;
  ScreenSize screen_;
  AbsScale scale_;
  WindowHandle lastWindow_ = 0;
};

}  // namespace velgaro
