#include "engine/win32/FrmStels.h"

#include <commctrl.h>
#include <windowsx.h>

#include <array>
#include <tuple>

#include "app/ProductName.h"
#include "engine/win32/ControlPictures.h"
#include "platform/win32/WideText.h"
#include "widgets/win32/DialogTips.h"
#include "widgets/win32/WindowClass.h"

namespace velgaro::stels {
namespace {

constexpr UINT kUnloadMessage = WM_APP + 1;

// Tooltip tools: one per picture place (play and pause share theirs).
enum : UINT_PTR { kToolPlayPause = 1, kToolStop = 2, kToolPlayNext = 3 };

}  // namespace

FrmStels::FrmStels(ControlWindowEvents events, ControlWindowTips tips)
    : events_(std::move(events)), tips_(std::move(tips)) {}

FrmStels::FrmStels(ControlWindowEvents events, ControlWindowTips tips, PausePanelTexts panelTexts,
                   PausePanelEvents panelEvents)
    : events_(std::move(events)),
      tips_(std::move(tips)),
      mode_(ControlMode::Record),
      panel_(std::make_unique<PausePanel>(std::move(panelTexts), std::move(panelEvents))) {}

FrmStels::~FrmStels() { DestroyTopWindow(); }   // before the pause panel goes

bool FrmStels::Create() {
  CreateFonts();
  // The bar paints its own background.
  const widgets::WindowClassLook look{IDC_ARROW, nullptr, 103};
  if (!CreateTopWindow(kClassName, look, kProductName, {WS_EX_TOPMOST, WS_POPUP | WS_CLIPCHILDREN, 0, 0, kBar.width,
                                                        kBar.height})) {
    return false;
  }
  HWND hwnd = Handle();
  PositionForm();
  CreateTooltips();
  if (panel_) panel_->Create(hwnd, static_cast<HFONT>(textFont_.Get()), tooltip_);
  return true;
}

void FrmStels::PositionForm() {
  const auto points = RegionPoints();
  std::array<POINT, std::tuple_size_v<decltype(points)>> winPoints{};
  for (std::size_t i = 0; i < points.size(); ++i) winPoints[i] = POINT{points[i].x, points[i].y};
  HRGN region = CreatePolygonRgn(winPoints.data(), static_cast<int>(winPoints.size()), WINDING);
  // The window owns the region once SetWindowRgn succeeds.
  if (region != nullptr && !SetWindowRgn(Handle(), region, TRUE)) DeleteObject(region);
  const Point at = WindowPosition(GetSystemMetrics(SM_CXSCREEN));
  SetWindowPos(Handle(), nullptr, at.x, at.y, kBar.width, kBar.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void FrmStels::CreateTooltips() {
  tooltip_ = widgets::CreateToolTipWindow(Handle());
  if (tooltip_ == nullptr) return;
  const std::pair<UINT_PTR, Box> tools[] = {{kToolPlayPause, PictureBox(Picture::Play, mode_)},
                                            {kToolStop, PictureBox(Picture::Stop, mode_)},
                                            {kToolPlayNext, PictureBox(Picture::PlayNext, mode_)}};
  for (const auto& [id, box] : tools) {
    if (box.width != 0) widgets::AddAskingTool(tooltip_, Handle(), id, TTF_SUBCLASS, ToRect(box));
  }
}

const std::string& FrmStels::TipText(UINT_PTR tool) const {
  switch (tool) {
    case kToolStop: return tips_.stop;
    case kToolPlayNext: return tips_.playNext;
    default: return view_.imgPauseVisible ? tips_.pause : tips_.play;
  }
}

void FrmStels::ShowTopMost() {
  SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void FrmStels::Hide() { ShowWindow(Handle(), SW_HIDE); }

void FrmStels::SetView(const PlayerView& view) {
  view_ = view;
  if (Handle() != nullptr) InvalidateRect(Handle(), nullptr, FALSE);
}

void FrmStels::SetRecordView(const RecorderView& view) {
  view_.lblCaption = view.lblCaption;
  view_.lblCaptionVisible = view.lblCaptionVisible;
  view_.lblAct = view.lblAct;
  view_.lblKolvoProg.clear();
  view_.imgPlayVisible = view.imgPlayVisible;
  view_.imgPauseVisible = view.imgPauseVisible;
  if (panel_) panel_->Show(view);
  if (Handle() != nullptr && view.panelShown != panelShown_) {
    panelShown_ = view.panelShown;
    SetWindowPos(Handle(), nullptr, 0, 0, kBar.width, WindowHeight(panelShown_),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (Handle() != nullptr) InvalidateRect(Handle(), nullptr, FALSE);
}

void FrmStels::RequestUnload() {
  if (Handle() != nullptr) PostMessageW(Handle(), kUnloadMessage, 0, 0);
}

void FrmStels::Click(Picture picture) {
  if (!PictureVisible(picture, view_, mode_)) return;
  const std::function<void()>* handler = nullptr;
  switch (picture) {
    case Picture::Pause: handler = &events_.pause; break;
    case Picture::Play: handler = &events_.play; break;
    case Picture::PlayNext: handler = &events_.playNext; break;
    case Picture::Stop: handler = &events_.stop; break;
  }
  if (handler != nullptr && *handler) (*handler)();
}

void FrmStels::OnLeftDown(Point p) {
  if (auto picture = PictureAt(p, view_, mode_)) {
    pressed_ = picture;
    SetCapture(Handle());
    InvalidateRect(Handle(), nullptr, FALSE);
    return;
  }
  // Body and labels: the system drags the window as by its title bar.
  ReleaseCapture();
  SendMessageW(Handle(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

void FrmStels::OnLeftUp(Point p) {
  if (!pressed_) return;
  const Picture picture = *pressed_;
  pressed_.reset();
  ReleaseCapture();
  InvalidateRect(Handle(), nullptr, FALSE);
  // A click counts when the button is released over the picture it was pressed on.
  if (PictureAt(p, view_, mode_) == picture) Click(picture);
}

void FrmStels::OnMouseMove(Point p) {
  // In record mode the pictures' hover texts go to the panel's status line.
  if (!panel_ || !events_.hover) return;
  const std::optional<Picture> picture = PictureAt(p, view_, mode_);
  if (picture == Picture::Play) panel_->OnHoverText(events_.hover(RecorderControl::Play, tips_.play));
  if (picture == Picture::Stop) panel_->OnHoverText(events_.hover(RecorderControl::Stop, tips_.stop));
}

LRESULT FrmStels::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT covers every pixel
    case WM_LBUTTONDOWN:
      OnLeftDown(Point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return 0;
    case WM_LBUTTONUP:
      OnLeftUp(Point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return 0;
    case WM_MOUSEMOVE:
      OnMouseMove(Point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return 0;
    case WM_COMMAND:
      if (panel_ && panel_->OnCommand(wParam, lParam)) return 0;
      break;
    case WM_SETCURSOR:
      if (panel_) panel_->OnSetCursor(reinterpret_cast<HWND>(wParam));
      break;
    case kHookEventsMessage:
      if (events_.hookEvents) events_.hookEvents();
      return 0;
    case WM_CAPTURECHANGED:
      if (pressed_ && reinterpret_cast<HWND>(lParam) != Handle()) {
        pressed_.reset();
        InvalidateRect(Handle(), nullptr, FALSE);
      }
      return 0;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (header->hwndFrom == tooltip_ && header->code == TTN_GETDISPINFOW) {
        auto* info = reinterpret_cast<NMTTDISPINFOW*>(lParam);
        tipBuffer_ = win32::ToWide(TipText(header->idFrom));
        info->lpszText = tipBuffer_.data();
        return 0;
      }
      break;
    }
    case WM_QUERYENDSESSION:
      return FALSE;  // shutting down or logging off must not cut a run short
    case WM_CLOSE:
      // Closing by hand ends the run as the stop picture does, so the run keeps its statistics.
      if (events_.stop) events_.stop();
      return 0;
    case kUnloadMessage: {
      // The handler destroys this object: nothing of it may be touched afterwards.
      std::function<void()> unload = events_.unload;
      if (unload) unload();
      return 0;
    }
    default:
      break;
  }
  return DefaultHandling(msg, wParam, lParam);
}

}  // namespace velgaro::stels
