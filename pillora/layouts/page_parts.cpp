#include "pillora/layouts/page_parts.h"

#include <cmath>
#include <span>
#include <vector>

#include "common/text/attempt.h"
#include "common/text/convert.h"
#include "pillora/layouts/layouts.h"
#include "platform/files/files.h"

namespace pillora::page {

namespace {

// Beyond this many days from a four-digit year no date of the system can be reached.
constexpr double kDayRange = 4.0e6;

}  // namespace

Text pharmacyTitle(const CDrugBagItem& head) {
  return head.藥局名稱() + u"   " + head.廣告標語();
}

void drawRow(LayoutPrinter& printer, const TextRow& row, const CDrugBagItem& item) {
  printer.printTextAt(row.size, row.x, row.y, row.text(item));
}

bool printFiledReceipt(LayoutPrinter& printer, CDrugBagItem& first, CDrugBagItem& head) {
  if (!ordinaryFileExists(toUtf8(first.收據檔路徑()))) {
    return false;
  }
  head.醫療院所(head.醫療院所() + u"     ");
  attempt([&] { printReceipt(printer, first, left(head.醫療院所(), 5)); });
  return true;
}

namespace {

// The lines of a text with line breaks: each of its lines in pieces of `cut` characters.
std::vector<Text> cutLines(const Text& text, int cut) {
  std::vector<Text> pieces;
  for (const Text& line : textLines(text)) {
    int at = 1;
    do {
      pieces.push_back(mid(line, at, cut));
      at += cut;
    } while (at <= len(line));
  }
  return pieces;
}

// A text with line breaks on the rule's lines: as many as it has pieces, the last line
// taking the pieces that find no line of their own, joined by blanks.
std::vector<PlacedLine> wrapLines(const Text& text, const WrapRule& rule) {
  const std::vector<Text> pieces = cutLines(text, rule.cut);
  std::vector<float> ys{rule.oneLineY};
  if (pieces.size() >= 3 && rule.threeLineYs) {
    ys.assign(rule.threeLineYs->begin(), rule.threeLineYs->end());
  } else if (pieces.size() >= 2) {
    ys.assign(rule.twoLineYs.begin(), rule.twoLineYs.end());
  }
  std::vector<PlacedLine> lines;
  for (std::size_t i = 0; i + 1 < ys.size(); ++i) {
    lines.push_back({ys[i], pieces[i]});
  }
  lines.push_back({ys.back(), join(std::span(pieces).subspan(ys.size() - 1), u" ")});
  return lines;
}

}  // namespace

std::vector<PlacedLine> wrapText(const Text& text, const WrapRule& rule) {
  if (hasLineBreak(text)) {
    return wrapLines(text, rule);
  }
  const int n = len(text);
  if (n <= rule.oneLineMax) {
    return {{rule.oneLineY, text}};
  }
  if (rule.threeLineYs && n > 2 * rule.cut) {
    const auto& ys = *rule.threeLineYs;
    return {{ys[0], left(text, rule.cut)},
            {ys[1], mid(text, rule.cut + 1, rule.cut)},
            {ys[2], mid(text, 2 * rule.cut + 1)}};
  }
  return {{rule.twoLineYs[0], left(text, rule.cut)}, {rule.twoLineYs[1], mid(text, rule.cut + 1)}};
}

bool hasFurtherFills(const Text& allowedFills) {
  return isNumeric(allowedFills) && toDouble(allowedFills) > 1.0;
}

std::optional<Text> nextFillDate(const Text& dispensingDate, double days) {
  const std::optional<Date> dispensed = parseDate(dispensingDate);
  if (!dispensed || !(std::fabs(days) < kDayRange)) {
    return std::nullopt;
  }
  const Date next = addDays(*dispensed, static_cast<int>(std::floor(days)));
  if (next.year < 100 || next.year > 9999) {
    return std::nullopt;
  }
  return formatDashDate(next);
}

std::vector<int> timeMarks(const Text& frequency, const Text& route, const TimeWords& words) {
  std::vector<int> marks;
  for (size_t k = 0; k < words.frequency.size(); ++k) {
    if (contains(frequency, words.frequency[k])) marks.push_back(static_cast<int>(k));
  }
  for (size_t k = 0; k < words.route.size(); ++k) {
    if (contains(route, words.route[k])) {
      marks.push_back(static_cast<int>(words.frequency.size() + k));
    }
  }
  return marks;
}

}  // namespace pillora::page
