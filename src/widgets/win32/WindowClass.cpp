#include "widgets/win32/WindowClass.h"

namespace velgaro::widgets {

bool RegisterClassOnce(HINSTANCE instance, LPCWSTR name, WNDPROC proc, const WindowClassLook& look) {
  WNDCLASSEXW wc{};
  if (GetClassInfoExW(instance, name, &wc)) return true;
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, look.cursor);
  wc.hbrBackground = look.background;
  if (look.icon != 0) wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(look.icon));
  wc.lpszClassName = name;
  return RegisterClassExW(&wc) != 0;
}

HFONT MessageFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return nullptr;
  return CreateFontIndirectW(&metrics.lfMessageFont);
}

}  // namespace velgaro::widgets
