#include "pillora/label/ttp245p.h"

#include "common/text/attempt.h"
#include "common/text/errors.h"
#include "common/text/textfile.h"
#include "pillora/flags/flags.h"

namespace pillora {

namespace {

constexpr TextView kOpeningTag = u"<cpprinter>";
constexpr TextView kClosingTag = u"</cpprinter>";
constexpr TextView kLabelFont = u"標楷體";
constexpr std::size_t kFirstLabelLines = 10;
constexpr int kFirstLabelWidest = 50;
constexpr int kFirstColumn = 20;
constexpr int kColumnStep = 36;
constexpr int kBaseline = 1210;
constexpr int kFontHeight = 32;
constexpr int kTurned = 90;

Text& lineAt(std::vector<Text>& lines, std::size_t index) {
  if (index >= lines.size()) {
    throw SubscriptError("label line " + std::to_string(index) + " of " +
                         std::to_string(lines.size()));
  }
  return lines[index];
}

Text printerNameIn(const Text& content) {
  const int start = find(content, kOpeningTag);
  const int end = find(content, kClosingTag);
  if (start == 0 || end == 0 || end < start + len(kOpeningTag)) {
    throw InvalidArgumentError(
        "dbp.config holds no printer name between <cpprinter> and "
        "</cpprinter>");
  }
  const int from = start + len(kOpeningTag);
  return trimBlanks(mid(content, from, end - from));
}

}  // namespace

// One of the printer's two operations, though it needs nothing of the port.
// NOLINTNEXTLINE(readability-convert-member-functions-to-static)
Text TTP245P::getPrinterName() {
  Text content;
  const bool found = readSettingsFile("dbp.config", [&](const std::string& path) {
    for (const Text& line : readTextLines(path)) {
      content += line;
    }
  });
  if (!found) {
    return Text(kDefaultLabelPrinter);
  }
  return printerNameIn(removeAll(content, u"\t"));
}

void TTP245P::openLabel() {
  m_port.openport(getPrinterName());
  m_port.setup(u"60", u"150", u"3", u"5", u"0", u"3", u"0");
  m_port.clearbuffer();
}

void TTP245P::column(int k, const Text& line) {
  if (!line.empty()) {
    m_port.windowsfont(kFirstColumn + kColumnStep * k, kBaseline, kFontHeight, kTurned, 0, 0,
                       Text(kLabelFont), line);
  }
}

void TTP245P::endLabel() {
  m_port.printlabel(u"1", u"1");
  m_port.closeport();
}

void TTP245P::printBarLabel(std::vector<Text>& p_strContent) {
  try {
    openLabel();
    for (std::size_t k = 0; k < kFirstLabelLines; ++k) {
      Text& line = lineAt(p_strContent, k);
      line = left(line, kFirstLabelWidest);
      column(static_cast<int>(k), line);
    }
    endLabel();
    if (lineAt(p_strContent, kFirstLabelLines).empty()) {
      return;
    }
    openLabel();
    for (std::size_t k = 0; kFirstLabelLines + k < p_strContent.size(); ++k) {
      column(static_cast<int>(k), p_strContent[kFirstLabelLines + k]);
    }
    endLabel();
  } catch (const AppError& failure) {
    // The label in progress is printed and the port released whatever failed.
    attempt([&] { m_port.printlabel(u"1", u"1"); });
    attempt([&] { m_port.closeport(); });
    if (dynamic_cast<const SubscriptError*>(&failure) == nullptr) {
      throw;
    }
  }
}

}  // namespace pillora
