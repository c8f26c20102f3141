#include "platform/label/tspl_label_printer.h"

#include <algorithm>
#include <cmath>

#include "common/text/codepage.h"
#include "common/text/convert.h"
#include "common/text/errors.h"
#include "common/text/textfile.h"

namespace pillora {

namespace {

// Beyond any label printer's reach; keeps the label's picture within a few megabytes.
constexpr float kWidestLabelMillimetres = 250.0F;
constexpr float kLongestLabelMillimetres = 1000.0F;
constexpr int kOr = 1;  // BITMAP mode: dark dots are added, light ones leave what is below
constexpr int kItalic = 1;
constexpr int kBold = 2;

// A number of the library's text arguments as the printer reads it ("60", "2.5").
std::string numberText(TextView value) {
  return toUtf8(formatSingle(toSingle(value)));
}

// A text argument of a command: in quotes, a quote inside written as \["].
std::string quotedText(TextView text) {
  return "\"" + encodeCp950(replaceAll(text, u"\"", u"\\[\"]")) + "\"";
}

int labelDots(TextView millimetres, float largest) {
  const float size = toSingle(millimetres);
  if (!(size >= 1.0F && size <= largest)) {
    throw InvalidArgumentError("a label size of " + toUtf8(millimetres) + " mm");
  }
  return static_cast<int>(std::lround(size * kLabelDotsPerMillimetre));
}

// The bitmap's dots in the printer's form: rows of whole bytes, the leftmost dot in the
// highest bit, 0 for a dark dot and 1 for a light one.
std::string bitmapData(const MonoBitmap& bitmap, int fromX, int fromY) {
  const int widthBytes = (bitmap.width - fromX + 7) / 8;
  std::string data;
  for (int y = fromY; y < bitmap.height; ++y) {
    for (int byte = 0; byte < widthBytes; ++byte) {
      unsigned bits = 0xFFU;
      for (int bit = 0; bit < 8; ++bit) {
        const int x = fromX + byte * 8 + bit;
        if (x < bitmap.width && bitmap.dark(x, y)) {
          bits &= ~(0x80U >> static_cast<unsigned>(bit));
        }
      }
      data += static_cast<char>(bits);
    }
  }
  return data;
}

// Where a text turned about its anchor (its top-left corner as it reads) puts its bitmap.
struct Corner {
  int left;
  int top;
};
Corner cornerOf(int x, int y, int rotation, const MonoBitmap& turnedText) {
  switch (rotation) {
    case 90:
      return {x, y - turnedText.height};
    case 180:
      return {x - turnedText.width, y - turnedText.height};
    case 270:
      return {x - turnedText.width, y};
    default:
      return {x, y};
  }
}

// The label columns' anchors lie past the label's bottom edge (y 1210 on a 1,200-dot label,
// the text running up from there), so the start of every line would be cut. A text that
// crosses the label's right or bottom edge is moved back onto the label; what still does
// not fit is cut at the top or left, where a turned column ends.
// Before the label has a size there is no edge to keep to.
Corner onLabel(Corner corner, const MonoBitmap& text, const MonoBitmap& label) {
  if (label.width == 0 || label.height == 0) {
    return corner;
  }
  return {std::min(corner.left, label.width - text.width),
          std::min(corner.top, label.height - text.height)};
}

}  // namespace

void TsplLabelPrinter::command(const std::string& text) {
  m_job.tspl += text + "\r\n";
}

void TsplLabelPrinter::openport(const Text& printerName) {
  m_open = true;
  m_job = LabelJob{printerName, {}, {}};
  m_label = MonoBitmap{};
}

void TsplLabelPrinter::closeport() {
  if (!m_open) {
    return;
  }
  m_open = false;
  const LabelJob job = std::move(m_job);
  m_job = LabelJob{};
  if (!job.tspl.empty()) {
    m_deliver(job);
  }
}

void TsplLabelPrinter::setup(const Text& width, const Text& height, const Text& speed,
                             const Text& density, const Text& sensor, const Text& vertical,
                             const Text& offset) {
  if (!m_open) {
    return;
  }
  const int widthDots = labelDots(width, kWidestLabelMillimetres);
  const int heightDots = labelDots(height, kLongestLabelMillimetres);
  // Every value is read before the first command is written.
  const std::string commands = "SIZE " + numberText(width) + " mm," + numberText(height) +
                               " mm\r\nSPEED " + numberText(speed) + "\r\nDENSITY " +
                               numberText(density) + "\r\n" +
                               (toInt16(sensor) == 1 ? "BLINE " : "GAP ") + numberText(vertical) +
                               " mm," + numberText(offset) + " mm";
  command(commands);
  m_label = MonoBitmap{widthDots, heightDots,
                       std::vector<std::uint8_t>(static_cast<std::size_t>(widthDots) * heightDots)};
}

void TsplLabelPrinter::clearbuffer() {
  if (!m_open) {
    return;
  }
  command("CLS");
  std::fill(m_label.dots.begin(), m_label.dots.end(), 0);
}

void TsplLabelPrinter::windowsfont(int x, int y, int fontheight, int rotation, int fontstyle,
                                   int fontunderline, const Text& szFaceName, const Text& content) {
  if (!m_open) {
    return;
  }
  const LabelFont font{szFaceName, fontheight, (fontstyle & kItalic) != 0, (fontstyle & kBold) != 0,
                       fontunderline != 0};
  const MonoBitmap bitmap = turned(drawText(font, content), rotation);
  const Corner corner = onLabel(cornerOf(x, y, rotation, bitmap), bitmap, m_label);
  place(bitmap, corner.left, corner.top);
}

void TsplLabelPrinter::place(const MonoBitmap& bitmap, int left, int top) {
  const int fromX = std::max(0, -left);
  const int fromY = std::max(0, -top);
  if (fromX >= bitmap.width || fromY >= bitmap.height) {
    return;
  }
  command("BITMAP " + std::to_string(left + fromX) + "," + std::to_string(top + fromY) + "," +
          std::to_string((bitmap.width - fromX + 7) / 8) + "," +
          std::to_string(bitmap.height - fromY) + "," + std::to_string(kOr) + "," +
          bitmapData(bitmap, fromX, fromY));
  for (int y = std::max(0, top); y < std::min(m_label.height, top + bitmap.height); ++y) {
    for (int x = std::max(0, left); x < std::min(m_label.width, left + bitmap.width); ++x) {
      if (bitmap.dark(x - left, y - top)) {
        m_label.dots[static_cast<std::size_t>(y) * m_label.width + x] = 1;
      }
    }
  }
}

void TsplLabelPrinter::printlabel(const Text& set, const Text& copy) {
  if (!m_open) {
    return;
  }
  command("PRINT " + numberText(set) + "," + numberText(copy));
  m_job.labels.push_back(m_label);
}

void TsplLabelPrinter::sendcommand(const Text& printercommand) {
  if (m_open) {
    command(encodeCp950(printercommand));
  }
}

void TsplLabelPrinter::downloadpcx(const Text& filename, const Text& image_name) {
  if (!m_open) {
    return;
  }
  const std::string bytes = readFileBytes(toUtf8(filename));
  command("DOWNLOAD " + quotedText(image_name) + "," + std::to_string(bytes.size()) + "," + bytes);
}

void TsplLabelPrinter::barcode(const Text& x, const Text& y, const Text& type, const Text& height,
                               const Text& readable, const Text& rotation, const Text& narrow,
                               const Text& wide, const Text& code) {
  if (!m_open) {
    return;
  }
  command("BARCODE " + numberText(x) + "," + numberText(y) + "," + quotedText(type) + "," +
          numberText(height) + "," + numberText(readable) + "," + numberText(rotation) + "," +
          numberText(narrow) + "," + numberText(wide) + "," + quotedText(code));
}

void TsplLabelPrinter::printerfont(const Text& x, const Text& y, const Text& fonttype,
                                   const Text& rotation, const Text& xmul, const Text& ymul,
                                   const Text& text) {
  if (!m_open) {
    return;
  }
  command("TEXT " + numberText(x) + "," + numberText(y) + "," + quotedText(fonttype) + "," +
          numberText(rotation) + "," + numberText(xmul) + "," + numberText(ymul) + "," +
          quotedText(text));
}

void TsplLabelPrinter::formfeed() {
  if (m_open) {
    command("FORMFEED");
  }
}

void TsplLabelPrinter::nobackfeed() {
  if (m_open) {
    command("SET TEAR OFF");
  }
}

}  // namespace pillora
