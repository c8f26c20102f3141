#pragma once
// The programs' units (twips, 1440 per inch; points, 72 per inch) in a device's pixels, at
// the device's pixels per inch.
#include <cmath>

namespace pillora {

struct DeviceScale {
  static constexpr double kTwipsPerInch = 1440;
  static constexpr double kPointsPerInch = 72;

  int pixelsPerInch = 96;

  int pixels(double twips) const {
    return static_cast<int>(std::lround(twips * pixelsPerInch / kTwipsPerInch));
  }
  double twips(int pixels) const { return pixels * kTwipsPerInch / pixelsPerInch; }
  // A font's character height in pixels, negative as Windows' fonts take it.
  int fontHeight(double points) const {
    return -static_cast<int>(std::lround(points * pixelsPerInch / kPointsPerInch));
  }
};

}  // namespace pillora
