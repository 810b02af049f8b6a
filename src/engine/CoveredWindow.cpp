#include "engine/CoveredWindow.h"

#include <cstdint>

namespace velgaro {
namespace {

// How far a coordinate must go to lie in [0, size): zero when it already does.
std::int32_t ShiftInto(std::int32_t value, int size) {
  if (value < 0) return -value;
  if (value >= size) return size - 1 - value;
  return 0;
}

}  // namespace

void CoveredWindowRemedy::Attempt(WindowHandle window, std::optional<Point> pressClient) {
  const WindowHandle root = windows_.GetRootWindow(window);
  if (root == 0) return;
  if (windows_.IsMinimized(root)) windows_.RestoreWindow(root);   // a minimised window sits off the screen
  if (pressClient) MoveOntoScreen(root, windows_.ClientToScreen(window, *pressClient));
  windows_.SetZOrder(root, WindowSystem::ZPlace::Top);
  windows_.SetForegroundWindow(root);
  if (pressClient) OutrankTopMostCover(root, windows_.ClientToScreen(window, *pressClient));
}

void CoveredWindowRemedy::MoveOntoScreen(WindowHandle root, Point pressScreen) {
  if (screen_.width <= 0 || screen_.height <= 0) return;
  const std::int32_t dx = ShiftInto(pressScreen.x, screen_.width);
  const std::int32_t dy = ShiftInto(pressScreen.y, screen_.height);
  if (dx == 0 && dy == 0) return;
  const std::optional<Rect> rect = windows_.GetWindowRect(root);
  if (rect) windows_.MoveWindowTo(root, Point{rect->left + dx, rect->top + dy});
}

void CoveredWindowRemedy::OutrankTopMostCover(WindowHandle root, Point pressScreen) {
  const WindowHandle cover = windows_.GetRootWindow(windows_.WindowFromPoint(pressScreen));
  // Our own bar is not outranked: it leaves the top-most band by itself when it is in the way.
  if (cover == 0 || cover == root || matcher_.IsControlWindow(cover)) return;
  if (!windows_.IsTopMost(cover) || windows_.IsTopMost(root)) return;
  if (lentTopMost_ != 0 && lentTopMost_ != root) ReturnTopMost();
  if (windows_.SetZOrder(root, WindowSystem::ZPlace::TopMost)) lentTopMost_ = root;
}

void CoveredWindowRemedy::ReturnTopMost() {
  if (lentTopMost_ == 0) return;
  windows_.SetZOrder(lentTopMost_, WindowSystem::ZPlace::NoTopMost);   // fails harmlessly once it is gone
  lentTopMost_ = 0;
}

}  // namespace velgaro
