#pragma once
// The INSERT statement through which a record set saves its new row, with a placeholder
// for every value: the values themselves are bound, never written into the SQL text.
#include "common/db/backend.h"

namespace pillora {

// A table or column name quoted with the engine's quote character, doubled inside; an
// empty quote leaves the name as it is.
Text quotedName(TextView name, TextView quote);

// "INSERT INTO t (a, b) VALUES (?, ?)" for the columns of values, in their order;
// "INSERT INTO t DEFAULT VALUES" for none.
Text insertStatement(TextView table, const ColumnValues& values, TextView quote);

}  // namespace pillora
