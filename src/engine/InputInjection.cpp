#include "engine/InputInjection.h"

#include <algorithm>
#include <limits>

namespace velgaro {
namespace {

constexpr std::int32_t kAbsoluteRange = 65535;
constexpr std::size_t kFetchBufferSize = 255;

std::int32_t Factor(int screenSize) {
  if (screenSize <= 0) return 0;
  const std::int32_t quotient = kAbsoluteRange / screenSize;
  const std::int32_t twiceRemainder = 2 * (kAbsoluteRange % screenSize);
  if (twiceRemainder > screenSize) return quotient + 1;
  if (twiceRemainder == screenSize) return quotient + (quotient % 2);   // a half goes to the even neighbour
  return quotient;
}

// Package coordinates are untrusted: sums and products are taken in 64 bits and clamped.
std::int32_t Clamp32(std::int64_t value) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                            std::numeric_limits<std::int32_t>::max()));
}

std::uint32_t PressFlag(std::int16_t button) {
  switch (button) {
    case kButtonLeft: return kMouseLeftDown;
    case kButtonRight: return kMouseRightDown;
    case kButtonMiddle: return kMouseMiddleDown;
    default: return 0;
  }
}

std::uint32_t ReleaseFlag(std::int16_t button) {
  switch (button) {
    case kButtonLeft: return kMouseLeftUp;
    case kButtonRight: return kMouseRightUp;
    case kButtonMiddle: return kMouseMiddleUp;
    default: return 0;
  }
}

}  // namespace

AbsScale ComputeAbsScale(int screenWidth, int screenHeight) {
  return AbsScale{Factor(screenWidth), Factor(screenHeight)};
}

std::optional<Point> FirstPressPoint(const std::vector<MouseStep>& steps) {
  for (const MouseStep& step : steps) {
    if (step.stepKind == kStepPress) return Point{step.x, step.y};
  }
  return std::nullopt;
}

bool InputInjector::PlayMouseSteps(WindowHandle window, const std::vector<MouseStep>& steps) {
  if (steps.size() < 2) return true;
  bool result = false;
  Point point;
  for (const MouseStep& step : steps) {
    if (step.stepKind == kStepPress) {
      point = windows_.ClientToScreen(window, Point{step.x, step.y});
      if (!screen_.Contains(point) || windows_.WindowFromPoint(point) != window) {
        // Covered: nothing is pressed. If our own bar is in the way, it leaves the top-most band.
        const WindowHandle cover = windows_.WindowFromPoint(point);
        if (matcher_.IsControlWindow(cover)) windows_.SetTopMost(cover, false);
        return false;
      }
      input_.SetCursorPos(point.x, point.y);
      if (const std::uint32_t flag = PressFlag(step.buttonCode)) input_.MouseEvent(flag, 0, 0);
      pump_.RunOnce();
      result = true;
      lastWindow_ = window;
    } else if (step.stepKind == kStepMove) {
      input_.MouseEvent(kMouseMove | kMouseAbsolute,
                        Clamp32((std::int64_t{point.x} + step.x) * scale_.AbsScaleX),
                        Clamp32((std::int64_t{point.y} + step.y) * scale_.AbsScaleY));
      pump_.RunOnce();
    } else if (step.stepKind == kStepRelease) {
      input_.SetCursorPos(Clamp32(std::int64_t{point.x} + step.x), Clamp32(std::int64_t{point.y} + step.y));
      pump_.RunOnce();
      if (const std::uint32_t flag = ReleaseFlag(step.buttonCode)) input_.MouseEvent(flag, 0, 0);
      pump_.RunOnce();
    }
    pump_.RunOnce();
  }
  return result;
}

std::shared_ptr<const TextDelivery> InputInjector::PutWindowText(WindowHandle window, const std::string& text) {
  windows_.SetForegroundWindow(window);
  return windows_.BeginSetText(window, text);
}

std::string InputInjector::FetchWindowText(WindowHandle window) const {
  return windows_.GetTextByMessage(window, kFetchBufferSize);
}

}  // namespace velgaro
