#include "engine/win32/ControlPictures.h"

#include "platform/win32/Handles.h"

namespace velgaro::stels {
namespace {

using win32::UniqueGdiObject;

// Selects a GDI object for the life of the scope and puts the old one back.
class Selected {
 public:
  Selected(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  ~Selected() { SelectObject(dc_, old_); }
  Selected(const Selected&) = delete;
  Selected& operator=(const Selected&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

void FillPolygon(HDC dc, const POINT* points, int count, COLORREF colour) {
  UniqueGdiObject brush(CreateSolidBrush(colour));
  UniqueGdiObject pen(CreatePen(PS_SOLID, 1, colour));
  Selected b(dc, brush.Get());
  Selected p(dc, pen.Get());
  Polygon(dc, points, count);
}

void FillBox(HDC dc, int left, int top, int width, int height, COLORREF colour) {
  RECT r{left, top, left + width, top + height};
  UniqueGdiObject brush(CreateSolidBrush(colour));
  FillRect(dc, &r, static_cast<HBRUSH>(brush.Get()));
}

void RoundedFrame(HDC dc, const Box& box, COLORREF fill, COLORREF edge) {
  UniqueGdiObject brush(CreateSolidBrush(fill));
  UniqueGdiObject pen(CreatePen(PS_SOLID, 1, edge));
  Selected b(dc, brush.Get());
  Selected p(dc, pen.Get());
  RoundRect(dc, box.left, box.top, box.left + box.width, box.top + box.height, 7, 7);
}

}  // namespace

void DrawPicture(HDC dc, Picture picture, const Box& box, bool pressed) {
  RoundedFrame(dc, box, pressed ? RGB(70, 78, 94) : RGB(52, 58, 70), kBarEdgeColour);
  // The glyph sits in a 14-pixel square in the middle of the button.
  const int cx = box.left + box.width / 2 + (pressed ? 1 : 0);
  const int cy = box.top + box.height / 2 + (pressed ? 1 : 0);
  const int h = 7;
  switch (picture) {
    case Picture::Play: {
      const POINT tri[3] = {{cx - 5, cy - h}, {cx + 7, cy}, {cx - 5, cy + h}};
      FillPolygon(dc, tri, 3, RGB(96, 200, 120));
      break;
    }
    case Picture::Pause:
      FillBox(dc, cx - 6, cy - h, 4, 2 * h + 1, RGB(240, 190, 80));
      FillBox(dc, cx + 2, cy - h, 4, 2 * h + 1, RGB(240, 190, 80));
      break;
    case Picture::PlayNext: {
      const POINT tri[3] = {{cx - 7, cy - h}, {cx + 3, cy}, {cx - 7, cy + h}};
      FillPolygon(dc, tri, 3, RGB(110, 170, 240));
      FillBox(dc, cx + 4, cy - h, 3, 2 * h + 1, RGB(110, 170, 240));
      break;
    }
    case Picture::Stop:
      FillBox(dc, cx - 6, cy - 6, 13, 13, RGB(230, 90, 80));
      break;
  }
}

void DrawLogo(HDC dc, const Box& box) {
  // A ring with a play arrow: replaying what was done once.
  const int d = box.height;
  {
    UniqueGdiObject brush(CreateSolidBrush(RGB(58, 120, 210)));
    UniqueGdiObject pen(CreatePen(PS_SOLID, 2, RGB(150, 195, 255)));
    Selected b(dc, brush.Get());
    Selected p(dc, pen.Get());
    Ellipse(dc, box.left, box.top, box.left + d, box.top + d);
  }
  const int cx = box.left + d / 2;
  const int cy = box.top + d / 2;
  const POINT tri[3] = {{cx - 5, cy - 8}, {cx + 9, cy}, {cx - 5, cy + 8}};
  FillPolygon(dc, tri, 3, RGB(255, 255, 255));
  RECT text{box.left + d + 6, box.top, box.left + box.width, box.top + box.height};
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kTextColour);
  DrawTextW(dc, L"Velgaro", -1, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace velgaro::stels
