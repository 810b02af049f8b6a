#include "library/win32/MainWindowLayout.h"

#include <algorithm>

namespace velgaro::library {
namespace {

int Scaled(int pixels, double scale) { return static_cast<int>(pixels * scale + 0.5); }

}  // namespace

MainLayout ComputeMainLayout(const RECT& client, int toolbarHeight, int statusHeight, double scale) {
  const int margin = Scaled(8, scale);
  const int frameHeight = Scaled(54, scale);
  const int boxHeight = Scaled(23, scale);
  const int button = Scaled(32, scale);
  const int gap = Scaled(6, scale);
  MainLayout l{};
  const int right = std::max<int>(client.right - margin, margin + 4 * button);
  l.frame = RECT{margin, toolbarHeight + Scaled(4, scale), right, toolbarHeight + Scaled(4, scale) + frameHeight};
  const int boxTop = l.frame.top + Scaled(20, scale);
  const int browseWidth = Scaled(30, scale);
  l.browse = RECT{l.frame.right - margin - browseWidth, boxTop, l.frame.right - margin, boxTop + boxHeight};
  l.folderBox = RECT{l.frame.left + margin, boxTop, l.browse.left - gap, boxTop + boxHeight};
  const int listTop = l.frame.bottom + margin;
  const int listBottom = std::max<int>(client.bottom - statusHeight - margin, listTop + button * 2 + gap);
  l.list = RECT{margin, listTop, right - button - gap, listBottom};
  l.moveUp = RECT{right - button, listTop, right, listTop + button};
  l.moveDown = RECT{right - button, listTop + button + gap, right, listTop + 2 * button + gap};
  return l;
}

SIZE MinimumMainWindowSize(double scale) { return SIZE{Scaled(480, scale), Scaled(300, scale)}; }

}  // namespace velgaro::library
