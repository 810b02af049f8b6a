// clsPBar's arithmetic: the range, the drawing area measured from the picture box's scale, and the
// frame each ShowProgress draws (fill width and percentage). Drawing itself is the view's.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace velgaro {

// A colour as 0x00BBGGRR.
constexpr std::uint32_t Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) { return r | (g << 8) | (b << 16); }

// Picture-box scale modes.
enum ScaleMode : int { kScaleUser = 0, kScaleTwips = 1, kScalePoints = 2, kScalePixels = 3, kScaleCharacters = 4,
                       kScaleInches = 5, kScaleMillimetres = 6, kScaleCentimetres = 7 };

struct UnitsPerPixel {
  double x = 1;
  double y = 1;
};

// Scale units per pixel for a scale mode at the screen's twips per pixel; nullopt for a user scale.
std::optional<UnitsPerPixel> ScaleUnitsPerPixel(int scaleMode, double twipsPerPixelX, double twipsPerPixelY);

// Nearest integer, halves to the even neighbour.
std::int32_t RoundHalfEven(double value);

// "##0%": the fraction times 100 as the nearest whole number, then "%".
std::string PercentText(double fraction);

class ProgressBarModel {
 public:
  struct Frame {
    std::int32_t fillWidth = 0;
    std::string text;
  };

  std::int32_t Min = 0;
  std::int32_t Max = 100;
  std::int32_t Value = 0;
  std::uint32_t bColor = Rgb(130, 130, 180);   // the part not yet filled
  std::uint32_t fColor = Rgb(128, 128, 128);   // the filled part
  std::uint32_t tColor = Rgb(255, 255, 0);     // the percentage

  // Measures the picture box: its scale size in its scale mode. False (and failed) for a user scale.
  bool Attach(int scaleMode, double scaleWidth, double scaleHeight, double twipsPerPixelX, double twipsPerPixelY);
  bool Attached() const { return attached_; }
  bool Failed() const { return failed_; }
  std::int32_t Width() const { return width_; }
  std::int32_t Height() const { return height_; }

  // The frame to draw for Value, or nullopt when nothing changes on screen (the same fill width, an
  // empty range, or a failed bar). Remembers the width drawn.
  std::optional<Frame> NextFrame();

 private:
  std::int32_t width_ = 0;
  std::int32_t height_ = 0;
  std::int32_t lastFillWidth_ = 0;
  bool attached_ = false;
  bool failed_ = false;
};

}  // namespace velgaro
