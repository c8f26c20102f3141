#pragma once
// The ".drg" reader's one call into the drug-profile lookup, kept apart until the lookup is
// part of the build; then the call goes straight to ProfileLookup.
#include "pillora/records/drug_bag_item.h"
#include "pillora/records/run_state.h"

namespace pillora {

void lookUpDrgProfileOf(CDrugBagItem& record, RunState& run);

}  // namespace pillora
