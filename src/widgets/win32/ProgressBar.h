// A progress bar that follows a long piece of work on the window's own thread.
#pragma once

#include <windows.h>

#include "platform/Ports.h"

namespace velgaro::widgets {

class ProgressBar {
 public:
  ProgressBar(MessagePump& pump) : pump_(pump) {}
  void Attach(HWND bar) { bar_ = bar; }
  // Shown at 0, or hidden; the window is repainted at once, for the work keeps its thread busy.
  void Show(bool visible);
  // The bar follows a few dozen times a second (the first and last positions always): moving and
  // repainting it for every one of ten thousand rows would take longer than the rows themselves. Each
  // move lets the window's messages run once.
  void Move(int pos, int max);

 private:
  static constexpr ULONGLONG kEveryMs = 40;
  MessagePump& pump_;
  HWND bar_ = nullptr;
  ULONGLONG shown_ = 0;
};

}  // namespace velgaro::widgets
