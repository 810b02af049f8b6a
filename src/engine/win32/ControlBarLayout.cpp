#include "engine/win32/ControlBarLayout.h"

namespace velgaro::stels {

std::array<Point, 9> RegionPoints() {
  const int panelBottom = kPanel.top + kPanel.height;
  return {Point{0, 0},
          Point{kBar.width, 0},
          Point{kBar.width, kBar.height},
          Point{0, kBar.height},
          Point{0, 0},
          Point{0, panelBottom},
          Point{kPanel.width, panelBottom},
          Point{kPanel.width, kPanel.top},
          Point{0, kPanel.top}};
}

Point WindowPosition(int screenWidth) {
  return Point{(screenWidth - kBar.width) / 2, kTopTwips / kTwipsPerPixel};
}

int WindowHeight(bool panelShown) { return panelShown ? kPanel.top + kPanel.height : kBar.height; }

Box PictureBox(Picture picture, ControlMode mode) {
  if (mode == ControlMode::Record) {
    if (picture == Picture::Play || picture == Picture::Pause) return kRecordPlayPicture;
    if (picture == Picture::Stop) return kRecordStopPicture;
    return {};
  }
  switch (picture) {
    case Picture::Play:
    case Picture::Pause: return kPlayPicture;
    case Picture::PlayNext: return kPlayNextPicture;
    case Picture::Stop: return kStopPicture;
  }
  return {};
}

bool PictureVisible(Picture picture, const PlayerView& view, ControlMode mode) {
  if (mode == ControlMode::Record && picture == Picture::PlayNext) return false;
  switch (picture) {
    case Picture::Play: return view.imgPlayVisible;
    case Picture::Pause: return view.imgPauseVisible;
    case Picture::PlayNext:
    case Picture::Stop: return true;
  }
  return false;
}

std::optional<Picture> PictureAt(Point p, const PlayerView& view, ControlMode mode) {
  // Pause is drawn over play where both are shown, so it is asked first.
  for (Picture picture : {Picture::Pause, Picture::Play, Picture::Stop, Picture::PlayNext}) {
    if (PictureVisible(picture, view, mode) && PictureBox(picture, mode).Contains(p)) return picture;
  }
  return std::nullopt;
}

}  // namespace velgaro::stels
