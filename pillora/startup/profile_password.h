#pragma once
// The database password of the drug-profile database "dbDrugProfile.mdb" as the pharmacies'
// Access files carry it: the lookup opens the file with it, the profile tool dumps with it
// unless told another.
#include "common/text/text.h"

namespace pillora {

inline constexpr TextView kProfileDatabasePassword = u"Zr@pqLM50917";

}  // namespace pillora
