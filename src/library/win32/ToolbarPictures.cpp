#include "library/win32/ToolbarPictures.h"

#include <array>

namespace velgaro::library {
namespace {

constexpr COLORREF kMaskColour = RGB(255, 0, 255);

// Coordinates on a 24-unit grid, scaled to the glyph's size.
struct Grid {
  int left;
  int size;
  int X(int units) const { return left + units * size / 24; }
  int Y(int units) const { return units * size / 24; }
};

void FillPolygon(HDC dc, const POINT* points, int count, COLORREF fill, COLORREF edge) {
  HBRUSH brush = CreateSolidBrush(fill);
  HPEN pen = CreatePen(PS_SOLID, 1, edge);
  HGDIOBJ oldBrush = SelectObject(dc, brush);
  HGDIOBJ oldPen = SelectObject(dc, pen);
  Polygon(dc, points, count);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  DeleteObject(brush);
  DeleteObject(pen);
}

void DrawFolder(HDC dc, const Grid& g) {
  const POINT back[] = {{g.X(2), g.Y(5)}, {g.X(9), g.Y(5)}, {g.X(11), g.Y(8)}, {g.X(21), g.Y(8)},
                        {g.X(21), g.Y(20)}, {g.X(2), g.Y(20)}};
  FillPolygon(dc, back, 6, RGB(222, 170, 40), RGB(140, 96, 10));
  const POINT front[] = {{g.X(4), g.Y(11)}, {g.X(23), g.Y(11)}, {g.X(21), g.Y(20)}, {g.X(2), g.Y(20)}};
  FillPolygon(dc, front, 4, RGB(250, 206, 80), RGB(140, 96, 10));
}

void DrawNewPackage(HDC dc, const Grid& g) {
  const POINT page[] = {{g.X(4), g.Y(2)}, {g.X(14), g.Y(2)}, {g.X(19), g.Y(7)}, {g.X(19), g.Y(22)}, {g.X(4), g.Y(22)}};
  FillPolygon(dc, page, 5, RGB(255, 255, 255), RGB(90, 90, 110));
  const POINT fold[] = {{g.X(14), g.Y(2)}, {g.X(14), g.Y(7)}, {g.X(19), g.Y(7)}};
  FillPolygon(dc, fold, 3, RGB(210, 210, 225), RGB(90, 90, 110));
  const POINT plus[] = {{g.X(15), g.Y(12)}, {g.X(18), g.Y(12)}, {g.X(18), g.Y(15)}, {g.X(21), g.Y(15)},
                        {g.X(21), g.Y(18)}, {g.X(18), g.Y(18)}, {g.X(18), g.Y(21)}, {g.X(15), g.Y(21)},
                        {g.X(15), g.Y(18)}, {g.X(12), g.Y(18)}, {g.X(12), g.Y(15)}, {g.X(15), g.Y(15)}};
  FillPolygon(dc, plus, 12, RGB(40, 160, 60), RGB(20, 100, 30));
}

void FillCircle(HDC dc, const Grid& g, COLORREF fill, COLORREF edge) {
  HBRUSH brush = CreateSolidBrush(fill);
  HPEN pen = CreatePen(PS_SOLID, 1, edge);
  HGDIOBJ oldBrush = SelectObject(dc, brush);
  HGDIOBJ oldPen = SelectObject(dc, pen);
  Ellipse(dc, g.X(2), g.Y(2), g.X(22), g.Y(22));
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  DeleteObject(brush);
  DeleteObject(pen);
}

void DrawInstall(HDC dc, const Grid& g) {
  FillCircle(dc, g, RGB(46, 150, 70), RGB(20, 90, 40));
  const POINT play[] = {{g.X(9), g.Y(7)}, {g.X(17), g.Y(12)}, {g.X(9), g.Y(17)}};
  FillPolygon(dc, play, 3, RGB(255, 255, 255), RGB(255, 255, 255));
}

// A sheet with lines and a pencil over it.
void DrawProperties(HDC dc, const Grid& g) {
  const POINT page[] = {{g.X(3), g.Y(2)}, {g.X(17), g.Y(2)}, {g.X(17), g.Y(22)}, {g.X(3), g.Y(22)}};
  FillPolygon(dc, page, 4, RGB(255, 255, 255), RGB(90, 90, 110));
  for (int y : {7, 11, 15}) {
    const POINT line[] = {{g.X(6), g.Y(y)}, {g.X(14), g.Y(y)}, {g.X(14), g.Y(y + 1)}, {g.X(6), g.Y(y + 1)}};
    FillPolygon(dc, line, 4, RGB(120, 130, 160), RGB(120, 130, 160));
  }
  const POINT pencil[] = {{g.X(19), g.Y(6)}, {g.X(22), g.Y(9)}, {g.X(12), g.Y(19)}, {g.X(8), g.Y(20)}, {g.X(9), g.Y(16)}};
  FillPolygon(dc, pencil, 5, RGB(230, 150, 40), RGB(130, 80, 20));
}

// A blue circle with a question mark.
void DrawHelp(HDC dc, const Grid& g) {
  FillCircle(dc, g, RGB(50, 110, 200), RGB(25, 60, 130));
  const COLORREF white = RGB(255, 255, 255);
  const POINT hook[] = {{g.X(8), g.Y(9)}, {g.X(9), g.Y(6)}, {g.X(12), g.Y(5)}, {g.X(15), g.Y(6)}, {g.X(16), g.Y(9)},
                        {g.X(13), g.Y(12)}, {g.X(13), g.Y(15)}, {g.X(11), g.Y(15)}, {g.X(11), g.Y(11)},
                        {g.X(14), g.Y(8)}, {g.X(12), g.Y(7)}, {g.X(10), g.Y(9)}};
  FillPolygon(dc, hook, 12, white, white);
  const POINT dot[] = {{g.X(11), g.Y(17)}, {g.X(13), g.Y(17)}, {g.X(13), g.Y(19)}, {g.X(11), g.Y(19)}};
  FillPolygon(dc, dot, 4, white, white);
}

// A green circle with an arrow pointing down: a newer version to fetch.
void DrawUpdate(HDC dc, const Grid& g) {
  FillCircle(dc, g, RGB(40, 150, 140), RGB(20, 90, 85));
  const COLORREF white = RGB(255, 255, 255);
  const POINT arrow[] = {{g.X(10), g.Y(5)}, {g.X(14), g.Y(5)}, {g.X(14), g.Y(12)}, {g.X(18), g.Y(12)},
                         {g.X(12), g.Y(19)}, {g.X(6), g.Y(12)}, {g.X(10), g.Y(12)}};
  FillPolygon(dc, arrow, 7, white, white);
}

}  // namespace

HIMAGELIST CreateToolbarPictures(int size) {
  HIMAGELIST list = ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, kPictureCount, 0);
  if (list == nullptr) return nullptr;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP strip = CreateCompatibleBitmap(screen, size * kPictureCount, size);
  ReleaseDC(nullptr, screen);
  if (dc == nullptr || strip == nullptr) {
    if (strip != nullptr) DeleteObject(strip);
    if (dc != nullptr) DeleteDC(dc);
    return list;
  }
  HGDIOBJ old = SelectObject(dc, strip);
  RECT all{0, 0, size * kPictureCount, size};
  HBRUSH mask = CreateSolidBrush(kMaskColour);
  FillRect(dc, &all, mask);
  DeleteObject(mask);
  DrawFolder(dc, Grid{size * kPictureFolder, size});
  DrawNewPackage(dc, Grid{size * kPictureNewPackage, size});
  DrawInstall(dc, Grid{size * kPictureInstall, size});
  DrawProperties(dc, Grid{size * kPictureProperties, size});
  DrawHelp(dc, Grid{size * kPictureHelp, size});
  DrawUpdate(dc, Grid{size * kPictureUpdate, size});
  SelectObject(dc, old);
  ImageList_AddMasked(list, strip, kMaskColour);
  DeleteObject(strip);
  DeleteDC(dc);
  return list;
}

void DrawMoveArrow(HDC dc, const RECT& box, bool up, bool enabled) {
  const int cx = (box.left + box.right) / 2;
  const int cy = (box.top + box.bottom) / 2;
  const int half = (box.right - box.left) / 4;
  const int dir = up ? -1 : 1;
  const POINT arrow[] = {{cx, cy + dir * half}, {cx + half, cy - dir * half / 3}, {cx + half / 2, cy - dir * half / 3},
                         {cx + half / 2, cy - dir * half}, {cx - half / 2, cy - dir * half},
                         {cx - half / 2, cy - dir * half / 3}, {cx - half, cy - dir * half / 3}};
  const COLORREF colour = enabled ? RGB(40, 90, 170) : GetSysColor(COLOR_GRAYTEXT);
  FillPolygon(dc, arrow, 7, colour, colour);
}

}  // namespace velgaro::library
