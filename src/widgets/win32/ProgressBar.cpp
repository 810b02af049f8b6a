#include "widgets/win32/ProgressBar.h"

#include <commctrl.h>

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
  SendMessageW(bar_, PBM_SETRANGE32, 0, max);
  SendMessageW(bar_, PBM_SETPOS, static_cast<WPARAM>(pos), 0);
  pump_.RunOnce();
}

}  // namespace velgaro::widgets
