// The single-drug bag. Two forms of the same bag: the fixed form (printTextFixed, ends its
// own document) that startPrint uses, and the offset form (printTextAt: configured font and
// layout.config offsets, ends with a new page) that printAt uses. They differ in a few
// sizes and positions, in one field (the fixed form prints appearance and shape together,
// the offset form the shape alone, after the indication) and in how they end; one row
// table holds both.
#include <array>
#include <optional>
#include <span>
#include <vector>

#include "pillora/layouts/bag_rows.h"
#include "pillora/layouts/layouts.h"

namespace pillora {

namespace {

// One row of the bag and where each form draws it; a form without a spot skips the row.
struct BagRow {
  RowText text;
  std::optional<Spot> fixed;
  std::optional<Spot> offset;
};

// Texts longer than this go on two lines: the first kWrapHead characters, then the rest.
constexpr int kWrapAfter = 14;
constexpr int kWrapHead = 13;

Text nameAndCode(const CDrugBagItem& item) {
  return item.藥品名稱() + item.藥品代碼();
}

Text brandLine(const CDrugBagItem& item) {
  return u"廠牌：" + item.藥品廠牌();
}

Text appearanceAndShape(const CDrugBagItem& item) {
  return slashJoined(item.藥品外觀(), item.藥品形狀());
}

Text makerFooter(const CDrugBagItem& /*item*/) {
  return Text(kMakerFooter);
}

// Drawing order of both forms. Sizes in points, positions in layout centimetres.
const std::array<BagRow, 29> kRows{{
    {pharmacyLine, Spot{24, 2.5, 0.5}, Spot{24, 1.5, 0.5}},
    {phoneAndAddress, Spot{16, 7.0, 9.8}, Spot{16, 7.0, 9.8}},
    {field<Field::藥師姓名>, Spot{12, 5.7, 11.2}, Spot{14, 5.7, 11.2}},
    {field<Field::處方醫師姓名>, Spot{10, 5.7, 12.4}, Spot{10, 5.7, 12.4}},
    {field<Field::調劑日期>, Spot{14, 13.3, 11.2}, Spot{14, 13.0, 11.2}},
    {field<Field::醫療院所>, Spot{14, 13.3, 12.4}, Spot{14, 13.0, 12.2}},
    {field<Field::慢箋可調次數>, Spot{16, 11.0, 13.5}, Spot{16, 11.0, 13.5}},
    {field<Field::慢箋本次次數>, Spot{16, 16.0, 13.5}, Spot{16, 16.0, 13.5}},
    {patientAndPhone, Spot{20, 6.0, 14.2}, Spot{20, 6.5, 14.3}},
    {field<Field::病患年齡>, Spot{16, 15.5, 14.2}, Spot{16, 15.5, 14.3}},
    {nameAndCode, Spot{10, 3.0, 16.5}, Spot{10, 2.0, 16.5}},
    {field<Field::中文藥名>, Spot{10, 3.0, 17.3}, Spot{10, 3.0, 17.1}},
    {field<Field::藥品劑量>, Spot{10, 3.0, 17.0}, Spot{10, 3.0, 17.0}},
    {field<Field::藥品用法>, Spot{12, 11.0, 16.5}, Spot{12, 11.0, 16.5}},
    {field<Field::藥品頻率>, Spot{12, 11.0, 18.0}, Spot{12, 11.0, 18.0}},
    {field<Field::藥品用量>, Spot{12, 11.0, 18.5}, Spot{14, 11.0, 18.5}},
    {brandLine, Spot{10, 3.0, 18.0}, Spot{10, 2.0, 18.0}},
    {field<Field::藥品天份>, Spot{12, 15.0, 16.5}, Spot{12, 15.0, 16.5}},
    {field<Field::藥品總量>, Spot{12, 17.0, 16.5}, Spot{12, 17.0, 16.5}},
    {appearanceAndShape, Spot{10, 6.5, 21.0}, std::nullopt},
    {field<Field::適應症>, Spot{10, 5.0, 21.8, 22.4}, Spot{10, 5.0, 21.8, 22.4}},
    {field<Field::藥品形狀>, std::nullopt, Spot{10, 6.5, 20.5}},
    {field<Field::其他用藥指示>, Spot{10, 5.0, 23.4, 24.2}, Spot{10, 6.0, 23.4, 24.0}},
    {field<Field::可能副作用>, Spot{10, 5.0, 24.8, 25.4}, Spot{10, 6.0, 24.8, 25.4}},
    {field<Field::藥袋數>, Spot{20, 13.0, 20.2}, Spot{20, 13.0, 20.5}},
    {field<Field::使用期限>, Spot{14, 13.0, 22.0}, Spot{14, 13.0, 21.8}},
    {field<Field::保存方式>, Spot{14, 13.0, 23.5}, Spot{14, 13.0, 23.4}},
    {field<Field::警語>, Spot{10, 13.0, 24.8, 25.4}, Spot{10, 13.0, 24.8, 25.4}},
    {makerFooter, Spot{9, 13.0, 27.0}, Spot{8, 13.0, 27.0}},
}};

using Primitive = void (LayoutPrinter::*)(float, float, float, const Text&);
using Form = std::optional<Spot> BagRow::*;

// A wrapping row breaks at its text's first line break, else after kWrapHead characters.
void drawRow(LayoutPrinter& printer, Primitive place, const Spot& spot, const Text& text) {
  if (spot.secondY > 0.0F && hasLineBreak(text)) {
    const std::vector<Text> lines = textLines(text);
    (printer.*place)(spot.size, spot.x, spot.y, lines.front());
    (printer.*place)(spot.size, spot.x, spot.secondY, join(std::span(lines).subspan(1), u" "));
  } else if (spot.secondY > 0.0F && len(text) > kWrapAfter) {
    (printer.*place)(spot.size, spot.x, spot.y, left(text, kWrapHead));
    (printer.*place)(spot.size, spot.x, spot.secondY, mid(text, kWrapHead + 1));
  } else {
    (printer.*place)(spot.size, spot.x, spot.y, text);
  }
}

void drawBag(LayoutPrinter& printer, const CDrugBagItem& item, Form form, Primitive place) {
  for (const BagRow& row : kRows) {
    const std::optional<Spot>& spot = row.*form;
    if (spot) {
      drawRow(printer, place, *spot, row.text(item));
    }
  }
}

}  // namespace

void printSingleDrugBag(LayoutPrinter& printer, const CDrugBagItem& item) {
  drawBag(printer, item, &BagRow::fixed, &LayoutPrinter::printTextFixed);
  printer.surface().endDoc();
}

void printSingleDrugBagOffset(LayoutPrinter& printer, const CDrugBagItem& item) {
  drawBag(printer, item, &BagRow::offset, &LayoutPrinter::printTextAt);
  printer.surface().newPage();
}

}  // namespace pillora
