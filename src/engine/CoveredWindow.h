// What the player does for a found window whose press point is covered. The window that matters is the
// found control's top-level window: a child cannot be brought to the foreground, and it is the top-level
// window that is minimised, dragged off the screen or hidden behind another program's window.
#pragma once

#include <optional>

#include "engine/InputInjection.h"
#include "engine/WindowMatching.h"
#include "platform/Ports.h"

namespace velgaro {

class CoveredWindowRemedy {
 public:
  CoveredWindowRemedy(WindowSystem& windows, const WindowMatcher& matcher, ScreenSize screen)
      : windows_(windows), matcher_(matcher), screen_(screen) {}

  // One attempt for the found window and its press point (client coordinates; none when the action has no
  // press): the top-level window is restored when minimised, moved just far enough for the press point to
  // lie on the screen, brought to the front without moving or sizing it, and made the foreground window.
  // When a top-most window of another program still covers the point, the top-level window joins the
  // top-most band until ReturnTopMost.
  void Attempt(WindowHandle window, std::optional<Point> pressClient);

  // Gives back the top-most state that an attempt lent: on the tick after the press, or when the run stops.
  void ReturnTopMost();

 private:
  void MoveOntoScreen(WindowHandle root, Point pressScreen);
  void OutrankTopMostCover(WindowHandle root, Point pressScreen);

  WindowSystem& windows_;
  const WindowMatcher& matcher_;
  ScreenSize screen_;
  WindowHandle lentTopMost_ = 0;
};

}  // namespace velgaro
