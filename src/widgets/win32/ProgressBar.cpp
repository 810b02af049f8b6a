#include "widgets/win32/ProgressBar.h"

#include <commctrl.h>

#include "widgets/win32/Controls.h"

namespace velgaro::widgets {

void ProgressBar::Show(bool visible) {
  if (bar_ == nullptr) return;
  SendMessageW(bar_, PBM_SETPOS, 0, 0);
  ShowWindow(bar_, visible ? SW_SHOWNA : SW_HIDE);
  UpdateWindow(GetParent(bar_));
}

void ProgressBar::Move(int pos, int max) {
  if (bar_ == nullptr) return;
  const ULONGLONG now = GetTickCount64();
  if (pos > 1 && pos < max && now - shown_ < kEveryMs) return;
  shown_ = now;
  SetProgress(bar_, pos, max);
  pump_.RunOnce();
}

}  // namespace velgaro::widgets
