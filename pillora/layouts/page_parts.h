#pragma once
// Pieces shared by the full-page layouts (one page per drug, and the paged drug list):
// rows drawn from a table, long texts wrapped over fixed lines, the chronic-Rx next date and
// the time-of-day marks.
#include <array>
#include <optional>
#include <span>
#include <vector>

#include "pillora/layouts/layout_printer.h"
#include "pillora/layouts/row_text.h"
#include "pillora/records/drug_bag_item.h"

namespace pillora::page {

// One text of a record at a fixed place: size in points, layout centimetres.
struct TextRow {
  float size;
  float x;
  float y;
  RowText text;
};

// 藥局名稱, three blanks, 廣告標語: the title line of the page.
Text pharmacyTitle(const CDrugBagItem& head);

// Phone, title and address of the pharmacy; the layouts differ in the address size.
constexpr std::array<TextRow, 3> pharmacyRows(float addressSize) {
  return {{{14.0F, 10.5F, 2.0F, field<Field::藥局電話>},
           {24.0F, 0.5F, 0.5F, pharmacyTitle},
           {addressSize, 5.4F, 4.3F, field<Field::藥局地址>}}};
}
// The two name lines, pharmacist or doctor on the upper one, both at one size.
constexpr std::array<TextRow, 2> nameRows(float size, bool pharmacistUp) {
  const RowText upper = pharmacistUp ? field<Field::藥師姓名> : field<Field::處方醫師姓名>;
  const RowText lower = pharmacistUp ? field<Field::處方醫師姓名> : field<Field::藥師姓名>;
  return {{{size, 5.4F, 2.0F, upper}, {size, 5.4F, 3.2F, lower}}};
}

void drawRow(LayoutPrinter& printer, const TextRow& row, const CDrugBagItem& item);

// The receipt of the job when the file named by the first drug's 收據檔路徑 exists: the
// header's 醫療院所 gets five blanks appended and the receipt shows its first five
// characters in the institution's place. False (nothing done) without the file.
bool printFiledReceipt(LayoutPrinter& printer, CDrugBagItem& first, CDrugBagItem& head);

// How a long text is spread over fixed lines: whole on one line up to oneLineMax
// characters; otherwise cut pieces of `cut` characters, the last line taking the rest.
// A third line is used only by rules that have one, when the text is longer than two cuts.
// A line break (CR LF, CR or LF) in the text also starts the next line; what finds no line
// of its own goes on the last one, after a blank.
struct WrapRule {
  int oneLineMax;
  int cut;
  float oneLineY;
  std::array<float, 2> twoLineYs;
  std::optional<std::array<float, 3>> threeLineYs;
};
struct PlacedLine {
  float y;
  Text text;
  friend bool operator==(const PlacedLine&, const PlacedLine&) = default;
};
std::vector<PlacedLine> wrapText(const Text& text, const WrapRule& rule);

// A chronic Rx with fills still to come: its allowed count is a number above 1.
bool hasFurtherFills(const Text& allowedFills);
// The date of the next fill, "yyyy-MM-dd": the dispensing date plus whole days. Nothing
// when the dispensing date is not a date or the result is not a date the system can hold.
std::optional<Text> nextFillDate(const Text& dispensingDate, double days);

// The words that switch the six time-of-day marks on: four searched in the frequency
// sentence (morning, noon, evening, bedtime), two in the route text (before, after meals).
struct TimeWords {
  std::array<TextView, 4> frequency;
  std::array<TextView, 2> route;
};
// The marks to draw, in drawing order: the index of every word found (exact substring).
std::vector<int> timeMarks(const Text& frequency, const Text& route, const TimeWords& words);

}  // namespace pillora::page
