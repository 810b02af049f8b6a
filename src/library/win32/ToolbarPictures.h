// The pictures of the main window's toolbar, drawn by the program: one image list of square glyphs.
#pragma once

#include <windows.h>
#include <commctrl.h>

namespace velgaro::library {

enum ToolbarPicture : int { kPictureFolder = 0, kPictureNewPackage = 1, kPictureInstall = 2, kPictureProperties = 3,
                            kPictureHelp = 4, kPictureUpdate = 5, kPictureCount = 6 };

// An image list of kPictureCount glyphs of size x size pixels; the caller owns it.
HIMAGELIST CreateToolbarPictures(int size);

// An arrow for the move buttons: up or down, in the rectangle.
void DrawMoveArrow(HDC dc, const RECT& box, bool up, bool enabled);

}  // namespace velgaro::library
