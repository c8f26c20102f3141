#include "pillora/layouts/layout_printer.h"

#include <array>
#include <string_view>
#include <vector>

#include "common/text/attempt.h"
#include "common/text/convert.h"
#include "common/text/textfile.h"
#include "pillora/flags/flags.h"

namespace pillora {

namespace {

constexpr std::string_view kLayoutFile = "layout.config";
constexpr TextView kDefaultOffsets = u"-1.8,0";
// Base columns of the time-of-day marks: morning, noon, evening, bedtime, before meals,
// after meals.
constexpr std::array<double, 6> kMarkColumns{6.4, 8.8, 11.5, 14.3, 17.0, 19.6};

}  // namespace

void LayoutPrinter::loadLayoutConfig() {
  if (m_layoutLoaded) return;
  m_layoutLoaded = true;  // looked at once per engine, even when missing or unreadable
  std::vector<Text> lines;
  const auto load = [this, &lines](const std::string& path) {
    lines = readTextLines(path);
    m_layoutFile = path;
  };
  if (!readSettingsFile(kLayoutFile, load)) return;
  Text offsets = lines.empty() ? Text() : lines[0];
  const Text paged = lines.size() > 1 ? lines[1] : Text();
  if (trimBlanks(offsets).empty()) offsets = Text(kDefaultOffsets);
  const std::vector<Text> parts = split(offsets, u",");
  const std::array<double*, 3> members{&m_offsetX, &m_offsetY, &m_layoutExtra};
  for (size_t i = 0; i < members.size() && i < parts.size(); ++i) {
    attempt([&] { *members[i] = toDouble(parts[i]); });
  }
  m_pagedLayout = upper(paged) == u"TRUE";
}

void LayoutPrinter::placeAndPrint(double xCm, double yCm, const Text& text) {
  m_surface.setCurrentX(static_cast<float>(xCm * kTwipsPerCm));
  m_surface.setCurrentY(static_cast<float>(yCm * kTwipsPerCm));
  m_surface.print(breaksAsBlanks(text));
}

void LayoutPrinter::printTextAt(float size, float x, float y, const Text& text) {
  const Text fontName = getContext().getConfig().字型名稱();
  m_surface.setFontName(fontName);
  m_surface.setFontSize(size);
  placeAndPrint(x + 3.3 + m_offsetX, y - 0.3 + m_offsetY, text);
}

void LayoutPrinter::printTextFixed(float size, float x, float y, const Text& text) {
  m_surface.setFontSize(size);
  placeAndPrint(x - 2.5, y - 0.5, text);
}

void LayoutPrinter::printTimeMark(int k, bool shift) {
  m_surface.setFontSize(14.0F);
  const BoldPen bold(m_surface);
  const double column = kMarkColumns.at(static_cast<size_t>(k));
  m_surface.setCurrentY(static_cast<float>((19.0 + m_offsetY) * kTwipsPerCm));
  const double x = (shift ? column - 3.2 : column - 0.5) + m_offsetX;
  m_surface.setCurrentX(static_cast<float>(x * kTwipsPerCm));
  m_surface.print(u"V");
}

}  // namespace pillora
