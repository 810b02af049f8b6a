#include "widgets/win32/ControlColours.h"

#include <commctrl.h>

namespace velgaro::widgets {

// A themed check box draws its caption in the theme's colour whatever its parent says; this one must
// turn red, so it is drawn without visual styles. uxtheme is asked for at run time and stays loaded.
void DrawWithoutTheme(HWND control) {
  HMODULE uxtheme = LoadLibraryW(L"uxtheme.dll");
  if (uxtheme == nullptr) return;
  using SetWindowThemeCall = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
  auto setTheme = reinterpret_cast<SetWindowThemeCall>(
      reinterpret_cast<void (*)()>(GetProcAddress(uxtheme, "SetWindowTheme")));
  if (setTheme != nullptr) setTheme(control, L"", L"");
}

// The colour a tab strip fills its page with, as it paints it: themes give the page a colour of their
// own that no system colour names.
COLORREF PageColourOf(HWND tabs) {
  RECT page{};
  GetClientRect(tabs, &page);
  SendMessageW(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
  COLORREF colour = GetSysColor(COLOR_BTNFACE);
  HDC screen = GetDC(tabs);
  HDC dc = CreateCompatibleDC(screen);
  RECT all{};
  GetClientRect(tabs, &all);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, all.right, all.bottom);
  ReleaseDC(tabs, screen);
  if (dc != nullptr && bitmap != nullptr) {
    HGDIOBJ old = SelectObject(dc, bitmap);
    SendMessageW(tabs, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
    const COLORREF painted = GetPixel(dc, (page.left + page.right) / 2, (page.top + page.bottom) / 2);
    if (painted != CLR_INVALID) colour = painted;
    SelectObject(dc, old);
  }
  if (bitmap != nullptr) DeleteObject(bitmap);
  if (dc != nullptr) DeleteDC(dc);
  return colour;
}

}  // namespace velgaro::widgets
