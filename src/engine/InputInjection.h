// Replaying recorded mouse steps as real input, and putting texts into windows.
#pragma once

#include <cstdint>
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

class InputInjector {
 public:
  InputInjector(WindowSystem& windows, Input& input, MessagePump& pump, const WindowMatcher& matcher, AbsScale scale)
      : windows_(windows), input_(input), pump_(pump), matcher_(matcher), scale_(scale) {}

  // True when the press was delivered or there was nothing to play; false when the press point was covered.
  bool PlayMouseSteps(WindowHandle window, const std::vector<MouseStep>& steps);
  void PutWindowText(WindowHandle window, const std::string& text);
  std::string FetchWindowText(WindowHandle window) const;

  WindowHandle LastWindow() const { return lastWindow_; }
  const AbsScale& Scale() const { return scale_; }

 private:
  WindowSystem& windows_;
  Input& input_;
  MessagePump& pump_;
  const WindowMatcher& matcher_;
  AbsScale scale_;
  WindowHandle lastWindow_ = 0;
};

}  // namespace velgaro
