// Geometry of the control window in both its modes, in window pixels at 96 dots per inch.
// Kept apart from the window so that tests can check it without a desktop.
#pragma once

#include <array>
#include <optional>

#include "engine/Player.h"
#include "platform/Ports.h"

namespace velgaro::stels {

struct Box {
  int left = 0, top = 0, width = 0, height = 0;
  bool Contains(Point p) const { return p.x >= left && p.x < left + width && p.y >= top && p.y < top + height; }
};

// shpMain, the bar; shpOpt, the pause panel below a 5-pixel gap (never unfolded in play mode).
constexpr Box kBar{0, 0, 481, 43};
constexpr Box kPanel{0, 48, 481, 153};
constexpr int kSeparatorX = 304;        // Line7
constexpr int kTopTwips = 200;
constexpr int kTwipsPerPixel = 15;

constexpr Box kLogo{6, 6, 92, 31};
constexpr Box kCaptionLabel{104, 2, 196, 15};     // lblCaption
constexpr Box kActLabel{104, 16, 196, 26};        // lblAct
constexpr Box kPositionLabel{308, 2, 64, 39};     // lblKolvoProg
constexpr int kPictureSize = 28;
constexpr Box kPlayPicture{376, 8, 30, kPictureSize};     // imgPlay and imgPause share the place
constexpr Box kStopPicture{408, 8, 30, kPictureSize};
constexpr Box kPlayNextPicture{440, 8, 30, kPictureSize};

// Record mode: play and pause share a place further right, no next-package picture, no run position;
// lblAct ends before the pictures.
constexpr Box kRecordPlayPicture{384, 8, 30, kPictureSize};
constexpr Box kRecordStopPicture{416, 8, 30, kPictureSize};
constexpr Box kRecordActLabel{104, 16, 276, 26};

// The pause panel's controls (record mode).
constexpr Box kStatusLabel{8, 54, 465, 18};     // lblStatus
constexpr Box kTextBox{8, 76, 465, 24};         // Text1
constexpr Box kFilterBox{8, 108, 120, 20};      // chkFilter
constexpr Box kReplaceBox{136, 108, 150, 20};   // chkReplace
constexpr Box kInsertButton{8, 138, 112, 26};   // Command1
constexpr Box kBrowseButton{126, 138, 124, 26}; // cmdBrowse
constexpr Box kPanelButton{256, 138, 96, 26};   // Command3
constexpr Box kRezumeButton{358, 138, 115, 26}; // cmdRezume

enum class ControlMode { Play, Record };

// The pictures that act as buttons.
enum class Picture { Play, Pause, PlayNext, Stop };

// The nine points of the window's shape: the bar and the panel joined by the left edge, filled WINDING.
std::array<Point, 9> RegionPoints();

// Left and top on a screen of the given width: centred, 200 twips from the top.
Point WindowPosition(int screenWidth);

// The visible picture under a point of the window, if any.
std::optional<Picture> PictureAt(Point p, const PlayerView& view, ControlMode mode = ControlMode::Play);

// Where a picture is drawn and whether the view shows it.
Box PictureBox(Picture picture, ControlMode mode = ControlMode::Play);
bool PictureVisible(Picture picture, const PlayerView& view, ControlMode mode = ControlMode::Play);

// The window's height: the bar, or the bar and the unfolded pause panel.
int WindowHeight(bool panelShown);

}  // namespace velgaro::stels
