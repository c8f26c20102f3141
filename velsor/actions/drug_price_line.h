#pragma once
// One line of the monthly drug-price file "all.puf": TAB-separated fields, of which the
// fields 1 to 14 become one row of Rimora's tblDrugs.
#include <optional>

#include "common/db/backend.h"
#include "common/db/recordset.h"

namespace pillora {

// The column values of a usable line, in field order; nothing for a line that adds no row
// (fewer than 15 fields, the header line with "id" in field 0, a price that is no number).
// A date or number that does not convert leaves its column out; the package quantity and
// the ingredient strength are 0 when they are no number.
std::optional<ColumnValues> drugRecordValues(TextView line);

// Adds the row of a usable line through the record set. A column that does not take its
// value stays unset; DatabaseError when the engine refuses the row.
void insertDrugRecord(TextView line, Recordset& rs);

}  // namespace pillora
