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
Text insertStatement(TextView table, RowValues values, TextView quote);

// The table and columns, in order, of the insert statement a backend keeps prepared: rows
// that go to the same columns reuse the statement without its text being built again.
class InsertColumns {
 public:
  // True when values go to another table or other columns than the rows before; from
  // then on the new ones are remembered.
  bool changeTo(TextView table, RowValues values);

 private:
  Text m_table;
  std::vector<Text> m_columns;
  bool m_known = false;
};

}  // namespace pillora
