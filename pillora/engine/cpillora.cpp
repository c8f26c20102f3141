#include "pillora/engine/cpillora.h"

#include "common/text/errors.h"

namespace pillora {

const DrugBagItemRef& CPillora::itemAt(std::int16_t p_index) const {
  if (p_index < 1 || static_cast<size_t>(p_index) > m_items.size()) {
    throw SubscriptError("index out of range: " + std::to_string(p_index));
  }
  return m_items[static_cast<size_t>(p_index) - 1];
}

void CPillora::removeAt(std::int16_t p_index) {
  itemAt(p_index);
  m_items.erase(m_items.begin() + (p_index - 1));
}

std::int16_t CPillora::Count() const {
  if (m_items.size() > 32767) throw OverflowError("overflow: more than 32767 items");
  return static_cast<std::int16_t>(m_items.size());
}

void CPillora::startPrint() {
  const std::vector<DrugBagItemRef> items = m_items;
  for (const DrugBagItemRef& item : items) {
    if (item->IsMutilDrug()) {
      printMultiDrugBag(m_printer, *item);
    } else {
      printSingleDrugBag(m_printer, *item);
    }
  }
  m_printer.surface().endDoc();
}

void CPillora::printDrugBag(const DrugBagItems& p_items, const DrugBagItemRef& p_head) {
  printDrugPage(m_printer, p_items, p_head);
  m_printer.surface().endDoc();
}

void CPillora::printAt(std::int16_t p_index) {
  const DrugBagItemRef item = itemAt(p_index);
  printSingleDrugBagOffset(m_printer, *item);
  m_printer.surface().endDoc();
}

}  // namespace pillora
