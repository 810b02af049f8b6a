// The control window's pictures, drawn with GDI shapes on the dark bar: no bitmap files to ship.
#pragma once

#include <windows.h>

#include "engine/win32/ControlBarLayout.h"

namespace velgaro::stels {

// Bar colours.
constexpr COLORREF kBarColour = RGB(38, 42, 51);
constexpr COLORREF kBarEdgeColour = RGB(88, 96, 112);
constexpr COLORREF kTextColour = RGB(236, 239, 244);
constexpr COLORREF kDimTextColour = RGB(170, 178, 192);

inline RECT ToRect(const Box& b) { return RECT{b.left, b.top, b.left + b.width, b.top + b.height}; }

void DrawPicture(HDC dc, Picture picture, const Box& box, bool pressed);
void DrawLogo(HDC dc, const Box& box);

}  // namespace velgaro::stels
