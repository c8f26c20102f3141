#pragma once
// The print engine: collects drug-bag records and prints them one bag each, or prints the
// drug records of one job with the multi-drug page layout. Drawing goes to the printer
// surface given at construction (the current printer of the run).
#include <cstdint>
#include <vector>

#include "pillora/layouts/layout_printer.h"
#include "pillora/layouts/layouts.h"
#include "pillora/records/drug_bag_item.h"

namespace pillora {

class CPillora {
 public:
  CPillora(PrinterSurface& surface, RunState& run) : m_printer(surface, run) {}

  void addDrugBagItem(DrugBagItemRef item) { m_items.push_back(std::move(item)); }
  // 1-based position; SubscriptError outside 1..Count.
  void removeAt(std::int16_t p_index);
  void clearAll() { m_items.clear(); }
  // Every item, one bag (and one print document) each; the collection stays as it is.
  void startPrint();
  // One page per drug record, all in one print document.
  void printDrugBag(const DrugBagItems& p_items, const DrugBagItemRef& p_head);
  // The item at 1-based position p_index with the offset single-bag layout.
  void printAt(std::int16_t p_index);
  // OverflowError above 32767 items.
  std::int16_t Count() const;

 private:
  const DrugBagItemRef& itemAt(std::int16_t p_index) const;

  std::vector<DrugBagItemRef> m_items;
  LayoutPrinter m_printer;
};

}  // namespace pillora
