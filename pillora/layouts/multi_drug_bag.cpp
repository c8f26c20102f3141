// The multi-drug bag: up to three drugs in one pouch. The record carries the header values
// once and, in five drug fields, the values of the three drugs joined with "@"; each drug
// gets a row of its own. Drawn through printTextFixed, in the font the printer holds.
#include <array>
#include <vector>

#include "pillora/layouts/bag_rows.h"
#include "pillora/layouts/layouts.h"
#include "pillora/startup/code_tables.h"

namespace pillora {

namespace {

struct HeaderRow {
  RowText text;
  Spot spot;
};

Text ageAndSex(const CDrugBagItem& item) {
  return slashJoined(item.病患年齡(), item.病患性別());
}

const std::array<HeaderRow, 10> kHeaderRows{{
    {pharmacyLine, {24, 2.5, 0.5}},
    {phoneAndAddress, {16, 7.0, 9.8}},
    {field<Field::藥師姓名>, {12, 5.7, 11.2}},
    {field<Field::處方醫師姓名>, {12, 5.7, 12.4}},
    {field<Field::調劑日期>, {14, 13.3, 11.2}},
    {field<Field::醫療院所>, {14, 13.3, 12.4}},
    {field<Field::慢箋可調次數>, {16, 11.0, 13.5}},
    {field<Field::慢箋本次次數>, {16, 16.0, 13.5}},
    {patientAndPhone, {20, 6.0, 14.2}},
    {ageAndSex, {16, 15.5, 14.2}},
}};

constexpr size_t kDrugsPerBag = 3;

struct Place {
  float x;
  float y;
};

// One multi-drug field: its parts, one per drug, each drawn at its own place.
struct DrugRow {
  Field field;
  bool skippedWhenEmpty;
  float size;
  Text (*partText)(const Text& part);
  std::array<Place, kDrugsPerBag> places;
};

Text asItIs(const Text& part) {
  return part;
}

Text dosePerTime(const Text& part) {
  return u"(每次用量：" + part + u")";
}

// The second and third Chinese names sit in the right-hand column.
const std::array<DrugRow, 5> kDrugRows{{
    {Field::藥品名稱, false, 10, asItIs, {{{3.0, 16.5}, {3.0, 18.7}, {3.0, 20.5}}}},
    {Field::中文藥名, true, 10, asItIs, {{{3.0, 17.0}, {19.0, 18.0}, {21.0, 19.5}}}},
    {Field::藥品用量, true, 16, dosePerTime, {{{11.0, 17.0}, {11.0, 19.2}, {11.0, 21.0}}}},
    {Field::藥品用法, true, 16, getRouteText, {{{11.0, 17.5}, {11.0, 20.0}, {11.0, 21.7}}}},
    {Field::藥品總量, true, 16, asItIs, {{{19.0, 17.0}, {19.0, 19.2}, {19.0, 21.0}}}},
}};

// The first drug's part is always drawn, the others only when they hold something. A field
// of fewer than three parts draws the parts it has; parts after the third are not drawn.
void drawDrugRow(LayoutPrinter& printer, const CDrugBagItem& item, const DrugRow& row) {
  const Text value = item.get(row.field);
  if (row.skippedWhenEmpty && value.empty()) {
    return;
  }
  const std::vector<Text> parts = split(value, u"@");
  for (size_t k = 0; k < parts.size() && k < kDrugsPerBag; ++k) {
    if (k > 0 && parts[k].empty()) {
      continue;
    }
    const Place& place = row.places.at(k);
    printer.printTextFixed(row.size, place.x, place.y, row.partText(parts[k]));
  }
}

}  // namespace

void printMultiDrugBag(LayoutPrinter& printer, const CDrugBagItem& item) {
  for (const HeaderRow& row : kHeaderRows) {
    printer.printTextFixed(row.spot.size, row.spot.x, row.spot.y, row.text(item));
  }
  for (const DrugRow& row : kDrugRows) {
    drawDrugRow(printer, item, row);
  }
  printer.printTextFixed(9, 13.0, 27.0, Text(kMakerFooter));
  printer.surface().endDoc();
}

}  // namespace pillora
