// The paged drug list: several drugs per page, each page a header block and two usage
// lines per drug. Every step is attempted on its own; a page whose header cannot be drawn
// still gets its usage lines.
#include <cstdint>
#include <cstdlib>

#include "common/text/attempt.h"
#include "common/text/convert.h"
#include "pillora/layouts/layouts.h"
#include "pillora/layouts/page_parts.h"

namespace pillora {

namespace {

// The header of a page takes its day count from the given drug.
void printPage(LayoutPrinter& printer, const CDrugBagItem& daysFrom, const DrugBagItems& page,
               CDrugBagItem& head) {
  attempt([&] {
    std::int16_t days = toInt16(daysFrom.藥品天份());
    printBagHeader(printer, days, head);
  });
  attempt([&] { printUsageLines(printer, page); });
}

// A page is full after every N-th drug; N = 0 gives every drug a page of its own, and a
// negative N counts as its absolute value.
bool endsPage(size_t index, int perPage) {
  return perPage == 0 || (index + 1) % static_cast<size_t>(std::abs(perPage)) == 0;
}

}  // namespace

void printPagedDrugList(LayoutPrinter& printer, const DrugBagItems& p_items,
                        const DrugBagItemRef& p_head) {
  DrugBagItems page;
  int perPage = 0;
  attempt([&] { perPage = printer.getContext().getConfig().多藥一袋單頁藥數(); });
  for (size_t i = 0; i < p_items.size(); ++i) {
    page.push_back(p_items[i]);
    if (i == 0) {
      page::printFiledReceipt(printer, *p_items[0], *p_head);
    }
    if (endsPage(i, perPage)) {
      printPage(printer, *p_items[i], page, *p_head);
      page.clear();
    }
  }
  if (!page.empty()) {
    printPage(printer, *p_items[0], page, *p_head);
  }
}

}  // namespace pillora
