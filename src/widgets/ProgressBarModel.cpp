#include "widgets/ProgressBarModel.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace velgaro {

std::optional<UnitsPerPixel> ScaleUnitsPerPixel(int scaleMode, double tpx, double tpy) {
  switch (scaleMode) {
    case kScaleTwips: return UnitsPerPixel{tpx, tpy};
    case kScalePoints: return UnitsPerPixel{tpx / 20, tpy / 20};
    case kScalePixels: return UnitsPerPixel{1, 1};
    case kScaleCharacters: return UnitsPerPixel{tpx / 120, tpy / 240};
    case kScaleInches: return UnitsPerPixel{tpx / 1440, tpy / 1440};
    case kScaleMillimetres: return UnitsPerPixel{tpx / 1440 * 25.4, tpy / 1440 * 25.4};
    case kScaleCentimetres: return UnitsPerPixel{tpx / 1440 * 2.54, tpy / 1440 * 2.54};
    default: return std::nullopt;
  }
}

std::int32_t RoundHalfEven(double value) {
  const double floor = std::floor(value);
  const double rest = value - floor;
  double rounded = floor;
  if (rest > 0.5 || (rest == 0.5 && std::fmod(floor, 2.0) != 0)) rounded = floor + 1;
  return static_cast<std::int32_t>(std::clamp(rounded, -2147483648.0, 2147483647.0));
}

std::string PercentText(double fraction) {
  return std::to_string(static_cast<long long>(std::llround(fraction * 100))) + "%";
}

bool ProgressBarModel::Attach(int scaleMode, double scaleWidth, double scaleHeight, double tpx, double tpy) {
  const std::optional<UnitsPerPixel> units = ScaleUnitsPerPixel(scaleMode, tpx, tpy);
  if (!units || units->x <= 0 || units->y <= 0) {
    failed_ = true;
    return false;
  }
  width_ = RoundHalfEven(scaleWidth / units->x);
  height_ = RoundHalfEven(scaleHeight / units->y);
  attached_ = true;
  return true;
}

std::optional<ProgressBarModel::Frame> ProgressBarModel::NextFrame() {
  if (failed_ || !attached_) return std::nullopt;
  const double range = std::fabs(static_cast<double>(Max) - static_cast<double>(Min));
  // An empty range has no fraction; nothing is drawn for it.
  if (range == 0) return std::nullopt;
  // Min is not subtracted: the bar counts rows from 1 with Min 0. Values outside the range stay inside the bar.
  const double fraction = std::clamp(static_cast<double>(Value) / range, 0.0, 1.0);
  const std::int32_t fill = RoundHalfEven(width_ * fraction);
  if (fill == lastFillWidth_) return std::nullopt;
  lastFillWidth_ = fill;
  return Frame{fill, PercentText(fraction)};
}

}  // namespace velgaro
