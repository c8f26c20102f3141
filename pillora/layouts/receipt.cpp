// The boxed receipt in the upper right corner of a job's first page: drug fee, service
// fee, their total, co-payment and the amount claimed from the national health insurance.
#include <array>
#include <cstdint>
#include <optional>

#include "common/text/attempt.h"
#include "common/text/convert.h"
#include "pillora/layouts/layouts.h"

namespace pillora {

namespace {

// The box in absolute printer centimetres; the page offsets do not move it.
constexpr double kBoxLeft = 16.7;
constexpr double kBoxRight = 19.5;
constexpr double kBoxTop = 1.1;
constexpr double kBoxBottom = 4.0;
constexpr std::array<double, 5> kRuleYs{1.6, 2.1, 2.6, 3.1, 3.6};

constexpr float kAmountSize = 10.0F;
constexpr float kReceiptX = 13.5F;

// One amount row; the row without a field is the total.
struct AmountRow {
  float y;
  TextView label;
  std::optional<Field> field;
};
constexpr std::array<AmountRow, 5> kAmountRows{{
    {2.0F, u"藥　　費：", Field::藥品費},
    {2.5F, u"服務費　：", Field::藥事服務費},
    {3.0F, u"合　　計：", std::nullopt},
    {3.5F, u"負擔額　：", Field::自行負擔額},
    {3.9F, u"健保申報：", Field::健保申報金額},
}};

void drawLine(PrinterSurface& surface, double x1, double y1, double x2, double y2) {
  surface.line(static_cast<float>(x1 * kTwipsPerCm), static_cast<float>(y1 * kTwipsPerCm),
               static_cast<float>(x2 * kTwipsPerCm), static_cast<float>(y2 * kTwipsPerCm));
}

void drawBox(PrinterSurface& surface) {
  drawLine(surface, kBoxLeft, kBoxTop, kBoxRight, kBoxTop);
  drawLine(surface, kBoxLeft, kBoxTop, kBoxLeft, kBoxBottom);
  drawLine(surface, kBoxRight, kBoxTop, kBoxRight, kBoxBottom);
  drawLine(surface, kBoxLeft, kBoxBottom, kBoxRight, kBoxBottom);
  for (const double y : kRuleYs) {
    drawLine(surface, kBoxLeft, y, kBoxRight, y);
  }
}

// Drug fee plus service fee. Amounts are whole numbers of any ordinary size; when one of
// them is not a number the total is left empty and the other rows are still drawn.
Text total(const CDrugBagItem& item) {
  Text sum;
  attempt([&] {
    const std::int64_t value =
        std::int64_t{toInt32(item.藥品費())} + std::int64_t{toInt32(item.藥事服務費())};
    sum = fromUtf8(std::to_string(value));
  });
  return sum;
}

}  // namespace

void printReceipt(LayoutPrinter& printer, CDrugBagItem& item, const Text& institution) {
  PrinterSurface& surface = printer.surface();
  drawBox(surface);
  {
    const BoldPen bold(surface);
    printer.printTextAt(11.0F, kReceiptX, 1.5F, u"收　　　　據");
  }
  for (const AmountRow& row : kAmountRows) {
    const Text value = row.field ? item.get(*row.field) : total(item);
    printer.printTextAt(kAmountSize, kReceiptX, row.y, Text(row.label) + value);
  }
  printer.printTextAt(15.0F, 10.5F, 3.2F, institution);
}

}  // namespace pillora
