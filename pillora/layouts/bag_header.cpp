// The header block that starts every page of the paged drug list: institution, pharmacy,
// doctor and pharmacist, dates, chronic-Rx counters, patient, storage place and, with
// 151014.config, the time-of-day marks of the job. Failures are not caught here: the
// paged list goes on with the page's usage lines.
#include <array>
#include <string>

#include "common/text/convert.h"
#include "pillora/flags/flags.h"
#include "pillora/layouts/layouts.h"
#include "pillora/layouts/page_parts.h"

namespace pillora {

namespace {

using page::TextRow;

constexpr auto kPharmacyRows = page::pharmacyRows(14.0F);
// Blank stock puts the doctor on top, pre-printed stock the pharmacist.
constexpr auto kDoctorUpRows = page::nameRows(14.0F, false);
constexpr auto kPharmacistUpRows = page::nameRows(14.0F, true);

constexpr std::array<TextRow, 2> kDateRows{{
    {14.0F, 2.0F, 8.1F, field<Field::調劑日期>},
    {14.0F, 10.0F, 8.1F, field<Field::藥袋數>},
}};

constexpr std::array<TextRow, 7> kPatientRows{{
    {16.0F, 3.8F, 5.6F, field<Field::慢箋可調次數>},
    {16.0F, 6.8F, 5.6F, field<Field::慢箋本次次數>},
    {18.0F, 2.0F, 6.8F, field<Field::病患姓名>},
    {15.0F, 10.5F, 6.8F, field<Field::就醫科別>},
    {15.0F, 2.8F, 7.5F, field<Field::病患電話>},
    {16.0F, 7.2F, 6.8F, field<Field::病患年齡>},
    {13.7F, 15.1F, 20.0F, field<Field::藥品倉儲位置>},
}};

constexpr page::TimeWords kHeaderTimeWords{{u"早", u"午", u"晚", u"睡前"}, {u"飯前", u"飯後"}};

void drawRows(LayoutPrinter& printer, std::span<const TextRow> rows, const CDrugBagItem& head) {
  for (const TextRow& row : rows) {
    page::drawRow(printer, row, head);
  }
}

// The next fill date for a chronic Rx with further fills; a count of 0 is shown as 1. A
// count that is not a number, or a date that cannot be computed, draws no date and leaves
// the count as it is; the rest of the block is drawn all the same.
void chronicFill(LayoutPrinter& printer, std::int16_t days, CDrugBagItem& head) {
  const Text allowed = head.慢箋可調次數();
  if (page::hasFurtherFills(allowed)) {
    if (const auto next = page::nextFillDate(head.調劑日期(), days)) {
      printer.printTextAt(18.0F, 11.0F, 5.6F, *next);
    }
  }
  if (isNumeric(allowed) && toDouble(allowed) == 0.0) {
    head.慢箋可調次數(u"1");
  }
}

}  // namespace

void printBagHeader(LayoutPrinter& printer, std::int16_t& days, CDrugBagItem& head) {
  printer.printTextAt(15.0F, 10.5F, 3.2F, head.醫療院所());
  if (!isPrePrintNameAddress()) {
    drawRows(printer, kPharmacyRows, head);
  }
  drawRows(printer, isBlankBody() ? kDoctorUpRows : kPharmacistUpRows, head);
  printer.printTextAt(14.0F, 7.2F, 8.1F, fromUtf8(std::to_string(days)));
  drawRows(printer, kDateRows, head);
  chronicFill(printer, days, head);
  drawRows(printer, kPatientRows, head);
  if (isFlag151014()) {
    for (const int k : page::timeMarks(head.藥品頻率(), head.藥品用法(), kHeaderTimeWords)) {
      printer.printTimeMark(k, true);
    }
  }
}

}  // namespace pillora
