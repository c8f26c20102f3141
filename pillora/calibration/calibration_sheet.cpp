#include "pillora/calibration/calibration_sheet.h"

#include <array>
#include <charconv>
#include <string>

#include "pillora/layouts/layout_printer.h"

namespace pillora {

namespace {

// The grid covers the printable area of an A4 sheet on any of the pharmacies' printers.
constexpr int kGridWidthCm = 20;
constexpr int kGridHeightCm = 28;
constexpr float kTwipsPerMm = static_cast<float>(kTwipsPerCm) / 10.0F;
// Tick lengths along the edges, in millimetres: each millimetre, each half and whole
// centimetre; the arms of the crosses that mark the grid inside.
constexpr float kMmTick = 1.0F;
constexpr float kHalfCmTick = 2.0F;
constexpr float kCmTick = 3.0F;
constexpr float kCrossArm = 1.0F;
// Frames are drawn twice, one millimetre apart, to stand out from the grid.
constexpr float kFrameGap = 1.0F;

constexpr TextView kSheetFont = u"標楷體";
constexpr float kNumberSize = 6.0F;
constexpr float kLabelSize = 7.0F;
constexpr float kTextSize = 8.0F;
constexpr float kTitleSize = 14.0F;
// Where the sheet's own texts begin, in centimetres: below the fields of the bag.
constexpr float kTextLeftCm = 1.5F;
constexpr float kTextTopCm = 20.8F;
constexpr float kLineCm = 0.55F;

constexpr std::array<TextView, 10> kInstructions{{
    u"將本頁印在一張空白藥袋上，量出每個框與藥袋上同一欄位的格子相差幾公分。",
    u"Print this sheet on a blank bag; measure, in cm, how far each frame is from the bag's "
    u"box for the same field.",
    u"框在格子右邊 d 公分：layout.config 第 1 行的第一個數字減 d；框在左邊：加 d。",
    u"Frame d cm right of the box: subtract d from the first number on line 1 of "
    u"layout.config; left of it: add d.",
    u"框在格子下方 d 公分：第 1 行的第二個數字減 d；框在上方：加 d。",
    u"Frame d cm below the box: subtract d from the second number on line 1; above it: add d.",
    u"例：框在右邊 0.3 公分、上方 0.2 公分時，-1.8,0 改為 -2.1,0.2。",
    u"Example: frames 0.3 cm right of and 0.2 cm above the boxes: -1.8,0 becomes -2.1,0.2.",
    u"刻度從印表機可列印範圍的角落起算，不隨偏移移動；改好後再印一張核對。",
    u"The grid starts at the printer's printable corner and does not move with the offsets; "
    u"print another sheet to check.",
}};

float mm(float millimetres) {
  return millimetres * kTwipsPerMm;
}

float cm(float centimetres) {
  return centimetres * static_cast<float>(kTwipsPerCm);
}

// The whole millimetres and centimetres of the grid.
float mm(int millimetres) {
  return mm(static_cast<float>(millimetres));
}
float cm(int centimetres) {
  return cm(static_cast<float>(centimetres));
}

// A number of centimetres as the settings file writes it: a point, no needless zeros.
std::string centimetres(double value) {
  std::array<char, 32> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return {buffer.data(), result.ptr};
}

void textAt(PrinterSurface& surface, float size, float x, float y, const Text& text) {
  surface.setFontName(Text(kSheetFont));
  surface.setFontSize(size);
  surface.setCurrentX(x);
  surface.setCurrentY(y);
  surface.print(text);
}

float tickLength(int millimetre) {
  if (millimetre % 10 == 0) return mm(kCmTick);
  return millimetre % 5 == 0 ? mm(kHalfCmTick) : mm(kMmTick);
}

// Millimetre ticks along the top and left edges, each centimetre numbered.
void edges(PrinterSurface& surface) {
  for (int m = 0; m <= kGridWidthCm * 10; ++m) {
    surface.line(mm(m), 0.0F, mm(m), tickLength(m));
  }
  for (int m = 0; m <= kGridHeightCm * 10; ++m) {
    surface.line(0.0F, mm(m), tickLength(m), mm(m));
  }
  for (int c = 1; c <= kGridWidthCm; ++c) {
    textAt(surface, kNumberSize, cm(c) + mm(0.5F), mm(kCmTick), fromUtf8(std::to_string(c)));
  }
  for (int c = 1; c <= kGridHeightCm; ++c) {
    textAt(surface, kNumberSize, mm(kCmTick), cm(c) + mm(0.5F), fromUtf8(std::to_string(c)));
  }
}

// A small cross at every whole centimetre inside the edges, above the sheet's own texts.
void crosses(PrinterSurface& surface) {
  for (int x = 1; x <= kGridWidthCm; ++x) {
    for (int y = 1; static_cast<float>(y) < kTextTopCm; ++y) {
      surface.line(cm(x) - mm(kCrossArm), cm(y), cm(x) + mm(kCrossArm), cm(y));
      surface.line(cm(x), cm(y) - mm(kCrossArm), cm(x), cm(y) + mm(kCrossArm));
    }
  }
}

void rectangle(PrinterSurface& surface, float x, float y, float width, float height) {
  surface.line(x, y, x + width, y);
  surface.line(x, y, x, y + height);
  surface.line(x + width, y, x + width, y + height);
  surface.line(x, y + height, x + width, y + height);
}

// The frame as the field's text takes it, another one a millimetre around it, and its label
// above it, or below it where the sheet has no room above.
void frame(PrinterSurface& surface, const FieldFrame& field) {
  rectangle(surface, field.x, field.y, field.width, field.height);
  rectangle(surface, field.x - mm(kFrameGap), field.y - mm(kFrameGap),
            field.width + 2 * mm(kFrameGap), field.height + 2 * mm(kFrameGap));
  const float above = field.y - mm(kFrameGap) - kLabelSize * kTwipsPerPoint;
  const float below = field.y + field.height + mm(kFrameGap);
  textAt(surface, kLabelSize, field.x, above >= mm(kCmTick) ? above : below, field.label);
}

Text offsetsLine(const PageFrames& frames) {
  const std::string source = frames.layoutFile ? *frames.layoutFile : "預設 default";
  return fromUtf8("偏移 offsets: " + centimetres(frames.offsetX) + "," +
                  centimetres(frames.offsetY) + " cm   (" + source + ")");
}

void texts(PrinterSurface& surface, const PageFrames& frames) {
  float y = cm(kTextTopCm);
  textAt(surface, kTitleSize, cm(kTextLeftCm), y, u"藥袋校正頁 Calibration sheet");
  y += cm(2 * kLineCm);
  textAt(surface, kTextSize, cm(kTextLeftCm), y, offsetsLine(frames));
  for (const TextView line : kInstructions) {
    y += cm(kLineCm);
    textAt(surface, kTextSize, cm(kTextLeftCm), y, Text(line));
  }
}

}  // namespace

void printCalibrationSheet(PrinterSurface& surface, const PageFrames& frames) {
  surface.setFontBold(false);
  edges(surface);
  crosses(surface);
  for (const FieldFrame& field : frames.frames) {
    frame(surface, field);
  }
  texts(surface, frames);
  surface.endDoc();
}

}  // namespace pillora
