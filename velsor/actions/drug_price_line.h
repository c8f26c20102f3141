#pragma once
// One line of the monthly drug-price file "all.puf": TAB-separated fields, of which the
// fields 1 to 14 become one row of Rimora's tblDrugs.
#include <optional>

#include "common/db/backend.h"
#include "common/db/recordset.h"

namespace pillora {

// True for a line that adds a row: at least 15 fields, field 0 not the header line's "id",
// a price (field 4) that is a number.
bool addsDrugRow(TextView line);

// Adds the row of a usable line through the record set, each value converted from its
// field and set on the new row: the fields 1 to 14 in order; a date or number that does not
// convert leaves its column out; the package quantity and the ingredient strength are 0
// when they are no number. A column that does not take its value stays unset;
// DatabaseError when the engine refuses the row.
void insertDrugRecord(TextView line, Recordset& rs);

}  // namespace pillora
