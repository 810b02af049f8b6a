// frmStels drawn: the bar, its logo, labels and pictures, painted off screen and copied in one go.
#include "engine/win32/FrmStels.h"

#include "engine/win32/ControlPictures.h"
#include "platform/win32/WideText.h"

namespace velgaro::stels {
namespace {

HFONT MakeFont(int pixelHeight, int weight) {
  return CreateFontW(-pixelHeight, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Tahoma");
}

void DrawLabel(HDC dc, HFONT font, COLORREF colour, const std::string& text, const Box& box, UINT format) {
  const std::wstring wide = win32::ToWide(text);
  RECT r = ToRect(box);
  HGDIOBJ old = SelectObject(dc, font);
  SetTextColor(dc, colour);
  DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &r, format | DT_NOPREFIX);
  SelectObject(dc, old);
}

}  // namespace

void FrmStels::CreateFonts() {
  captionFont_.Reset(MakeFont(12, FW_BOLD));
  textFont_.Reset(MakeFont(11, FW_NORMAL));
  positionFont_.Reset(MakeFont(16, FW_BOLD));
}

void FrmStels::OnPaint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(Handle(), &ps);
  // Drawn off screen first: the labels change up to ten times a second.
  HDC memory = CreateCompatibleDC(dc);
  RECT client{};
  GetClientRect(Handle(), &client);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
  if (memory != nullptr && bitmap != nullptr) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    Draw(memory);
    BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
  } else {
    Draw(dc);
  }
  if (bitmap != nullptr) DeleteObject(bitmap);
  if (memory != nullptr) DeleteDC(memory);
  EndPaint(Handle(), &ps);
}

void FrmStels::Draw(HDC dc) {
  if (panel_) {
    RECT panel = ToRect(kPanel);
    FillRect(dc, &panel, GetSysColorBrush(COLOR_BTNFACE));
  }
  RECT bar = ToRect(kBar);
  HBRUSH background = CreateSolidBrush(kBarColour);
  FillRect(dc, &bar, background);
  DeleteObject(background);
  HBRUSH edge = CreateSolidBrush(kBarEdgeColour);
  FrameRect(dc, &bar, edge);
  DeleteObject(edge);

  SetBkMode(dc, TRANSPARENT);
  HGDIOBJ oldFont = SelectObject(dc, captionFont_.Get());
  DrawLogo(dc, kLogo);
  SelectObject(dc, oldFont);

  if (view_.lblCaptionVisible) {
    DrawLabel(dc, static_cast<HFONT>(captionFont_.Get()), kTextColour, view_.lblCaption, kCaptionLabel,
              DT_LEFT | DT_SINGLELINE | DT_END_ELLIPSIS);
  }
  DrawLabel(dc, static_cast<HFONT>(textFont_.Get()), kDimTextColour, view_.lblAct,
            mode_ == ControlMode::Record ? kRecordActLabel : kActLabel,
            DT_LEFT | DT_WORDBREAK | DT_EDITCONTROL);
  if (mode_ == ControlMode::Play) {
    DrawLabel(dc, static_cast<HFONT>(positionFont_.Get()), kTextColour, view_.lblKolvoProg, kPositionLabel,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    // Line7, the separator between the texts and the run position.
    HPEN pen = CreatePen(PS_SOLID, 1, kBarEdgeColour);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    MoveToEx(dc, kSeparatorX, 0, nullptr);
    LineTo(dc, kSeparatorX, kBar.height);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
  }

  for (Picture picture : {Picture::Play, Picture::Pause, Picture::Stop, Picture::PlayNext}) {
    if (PictureVisible(picture, view_, mode_)) DrawPicture(dc, picture, PictureBox(picture, mode_), pressed_ == picture);
  }
}

}  // namespace velgaro::stels
