#pragma once
// Frequency and route codes of the Rx, expanded into the Chinese sentences patients read,
// and the clean-up of the long profile texts before they are drawn.
#include "common/text/text.h"
#include "pillora/records/drug_bag_item.h"

namespace pillora {

// The table's sentence for an exactly matching code; any other text comes back unchanged.
Text getFrequencyText(const Text& code);
Text getRouteText(const Text& code);
// Removes every line feed (not carriage returns) from the indication, the instructions,
// the warning and the side effects.
void stripLineFeeds(CDrugBagItem& record);

}  // namespace pillora
