// clsPBar: a progress bar with a centred percentage, drawn straight into a picture box's device context.
#pragma once

#include <windows.h>

#include "widgets/ProgressBarModel.h"

namespace velgaro::widgets {

class ClsPBar {
 public:
  ClsPBar() = default;
  ~ClsPBar();
  ClsPBar(const ClsPBar&) = delete;
  ClsPBar& operator=(const ClsPBar&) = delete;

  ProgressBarModel& Model() { return model_; }
  const ProgressBarModel& Model() const { return model_; }

  // Draws Value into the picture box (attaching to it the first time); draws nothing while the fill
  // width stays the same. True when something was drawn, so that the caller can let messages run.
  bool ShowProgress(HWND pic);
  // Draws the last frame again (the picture box was repainted).
  void Redraw();

 private:
  bool AttachPicture(HWND pic);
  void Draw(const ProgressBarModel::Frame& frame);

  ProgressBarModel model_;
  HWND pic_ = nullptr;
  HDC dc_ = nullptr;
  int savedState_ = 0;
  HBRUSH fillBrush_ = nullptr;
  HBRUSH backBrush_ = nullptr;
  RECT textRect_{};
  ProgressBarModel::Frame last_{};
  bool drawn_ = false;
};

}  // namespace velgaro::widgets
