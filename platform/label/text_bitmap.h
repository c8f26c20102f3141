#pragma once
// Text drawn into a 1-bit bitmap for the label printer: one line, no wrapping, in a font of
// the system (through the project's font map), `heightDots` high, dark where the glyph
// covers at least half a dot.
#include <cstdint>
#include <vector>

#include "common/text/text.h"

namespace pillora {

struct MonoBitmap {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> dots;  // row by row, 1 = dark
  bool dark(int x, int y) const { return dots[static_cast<std::size_t>(y) * width + x] != 0; }
};

struct LabelFont {
  Text faceName;
  int heightDots = 0;
  bool italic = false;
  bool bold = false;
  bool underline = false;
};

// The text as it reads, left to right. PrinterError when it cannot be drawn (a height
// outside 1 to 1000 dots, a text too long for one bitmap).
MonoBitmap drawText(const LabelFont& font, const Text& text);

// The bounds every drawing of label text keeps: PrinterError for a height outside 1 to 1000
// dots, and for a text whose bitmap would be too large.
void checkLabelFontHeight(int heightDots);
void checkLabelTextSize(int width, int height, const Text& text);

// The bitmap turned counter-clockwise by 0, 90, 180 or 270 degrees; PrinterError for any
// other angle.
MonoBitmap turned(const MonoBitmap& bitmap, int degrees);

}  // namespace pillora
