#pragma once
// How a layout row takes its text from a drug-bag record.
#include "pillora/records/drug_bag_item.h"

namespace pillora {

using RowText = Text (*)(const CDrugBagItem&);

// The property itself, as the record returns it.
template <Field F>
Text field(const CDrugBagItem& item) {
  return item.get(F);
}

}  // namespace pillora
