#include "platform/label/text_bitmap.h"

#include <string>

#include "common/text/errors.h"

namespace pillora {

namespace {

constexpr int kLargestHeight = 1000;
// Cairo's largest image side, and a bound on the dots of one text.
constexpr int kLargestSide = 32767;
constexpr long long kMostDots = 64LL * 1024 * 1024;

}  // namespace

void checkLabelFontHeight(int heightDots) {
  if (heightDots < 1 || heightDots > kLargestHeight) {
    throw PrinterError("a label font height of " + std::to_string(heightDots) +
                       " dots cannot be drawn");
  }
}

void checkLabelTextSize(int width, int height, const Text& text) {
  if (width > kLargestSide || height > kLargestSide ||
      static_cast<long long>(width) * height > kMostDots) {
    throw PrinterError("a label text too long for the printer: " + toUtf8(left(text, 20)) + "...");
  }
}

MonoBitmap turned(const MonoBitmap& bitmap, int degrees) {
  if (degrees != 0 && degrees != 90 && degrees != 180 && degrees != 270) {
    throw PrinterError("label text can be turned by 0, 90, 180 or 270 degrees, not " +
                       std::to_string(degrees));
  }
  const bool sideways = degrees == 90 || degrees == 270;
  MonoBitmap result{
      sideways ? bitmap.height : bitmap.width, sideways ? bitmap.width : bitmap.height, {}};
  result.dots.reserve(bitmap.dots.size());
  // Each dot of the result is looked up where it came from in the text as it reads.
  for (int y = 0; y < result.height; ++y) {
    for (int x = 0; x < result.width; ++x) {
      const int w = bitmap.width;
      const int h = bitmap.height;
      const bool dark = degrees == 0     ? bitmap.dark(x, y)
                        : degrees == 90  ? bitmap.dark(w - 1 - y, x)
                        : degrees == 180 ? bitmap.dark(w - 1 - x, h - 1 - y)
                                         : bitmap.dark(y, h - 1 - x);
      result.dots.push_back(dark ? 1 : 0);
    }
  }
  return result;
}

}  // namespace pillora
