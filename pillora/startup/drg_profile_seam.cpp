#include "pillora/startup/drg_profile_seam.h"

namespace pillora {

// No lookup in the build yet: the record keeps the job file's values, as when the
// database is missing.
void lookUpDrgProfileOf(CDrugBagItem& /*record*/, RunState& /*run*/) {}

}  // namespace pillora
