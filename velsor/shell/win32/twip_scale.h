#pragma once
// Twips (1/1440 inch) of the wizard's design against the screen's pixels.
#include "platform/window/windows_api.h"

#include <cmath>

namespace pillora {

struct TwipScale {
  int pixelsPerInch = 96;

  int pixels(double twips) const {
    return static_cast<int>(std::lround(twips * pixelsPerInch / kTwipsPerInch));
  }
  double twips(int pixels) const { return pixels * kTwipsPerInch / pixelsPerInch; }
  // Font height in pixels for a size in points, negative as CreateFontW takes a character
  // height.
  int fontHeight(double points) const {
    return -static_cast<int>(std::lround(points * pixelsPerInch / kPointsPerInch));
  }

  // The screen's horizontal pixels per inch.
  static TwipScale ofScreen() {
    HDC screen = GetDC(nullptr);
    const int perInch = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return {perInch > 0 ? perInch : 96};
  }

  static constexpr double kTwipsPerInch = 1440;
  static constexpr double kPointsPerInch = 72;
};

}  // namespace pillora
