#include "widgets/win32/ClsPBar.h"

#include "platform/win32/WideText.h"

namespace velgaro::widgets {

ClsPBar::~ClsPBar() {
  if (!model_.Attached()) return;
  DeleteObject(fillBrush_);
  DeleteObject(backBrush_);
  RestoreDC(dc_, savedState_);
  ReleaseDC(pic_, dc_);
}

bool ClsPBar::AttachPicture(HWND pic) {
  RECT client{};
  if (pic == nullptr || !GetClientRect(pic, &client)) return false;
  HDC dc = GetDC(pic);
  if (dc == nullptr) return false;
  // A window's client area is measured in pixels.
  const double tpx = 1440.0 / GetDeviceCaps(dc, LOGPIXELSX);
  const double tpy = 1440.0 / GetDeviceCaps(dc, LOGPIXELSY);
  if (!model_.Attach(kScalePixels, client.right, client.bottom, tpx, tpy)) {
    ReleaseDC(pic, dc);
    return false;
  }
  pic_ = pic;
  dc_ = dc;
  savedState_ = SaveDC(dc_);
  fillBrush_ = CreateSolidBrush(model_.fColor);
  backBrush_ = CreateSolidBrush(model_.bColor);
  SelectObject(dc_, reinterpret_cast<HFONT>(SendMessageW(pic, WM_GETFONT, 0, 0)));
  SetBkMode(dc_, TRANSPARENT);
  SetTextColor(dc_, model_.tColor);
  RECT measure{0, 0, model_.Width(), model_.Height()};
  DrawTextW(dc_, L"100%", 4, &measure, DT_CALCRECT | DT_SINGLELINE);
  const int textHeight = measure.bottom - measure.top;
  textRect_.left = 0;
  textRect_.right = model_.Width();
  textRect_.top = (model_.Height() - textHeight) / 2 + 1;
  textRect_.bottom = textRect_.top + textHeight;
  return true;
}

bool ClsPBar::ShowProgress(HWND pic) {
  if (model_.Failed()) return false;
  if (!model_.Attached() && !AttachPicture(pic)) return false;
  const std::optional<ProgressBarModel::Frame> frame = model_.NextFrame();
  if (!frame) return false;
  last_ = *frame;
  drawn_ = true;
  Draw(last_);
  return true;
}

void ClsPBar::Redraw() {
  if (model_.Attached() && drawn_) Draw(last_);
}

void ClsPBar::Draw(const ProgressBarModel::Frame& frame) {
  HGDIOBJ old = SelectObject(dc_, fillBrush_);
  Rectangle(dc_, 0, 0, frame.fillWidth, model_.Height());
  SelectObject(dc_, backBrush_);
  Rectangle(dc_, frame.fillWidth - 1, 0, model_.Width(), model_.Height());
  SelectObject(dc_, old);
  const std::wstring text = win32::ToWide(frame.text);
  RECT r = textRect_;
  DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &r, DT_CENTER | DT_SINGLELINE);
}

}  // namespace velgaro::widgets
