#pragma once
// Values between the programs and an ODBC statement: columns of a result read as text,
// and the values of a new row bound as parameters, never pasted into the SQL text.
#include <variant>
#include <vector>

#include "common/db/backend.h"
#include "platform/odbc/odbc_handle.h"

namespace pillora::odbc {

// What a column of this SQL type takes (backend.h).
ColumnKind columnKind(SQLSMALLINT sqlType);

// The current row's value of a column (1-based) as text; nothing for NULL. Floating-point
// numbers read as the shortest text that gives the same number back, dates as
// "yyyy-MM-dd" followed by " hh:mm:ss" when the time is not midnight, everything else as
// the driver writes it.
FieldText readColumn(const Handle& statement, SQLUSMALLINT column, SQLSMALLINT sqlType);

// The values of one row, held in the buffers the driver reads at execution: bind them, then
// execute while the object lives.
class BoundRow {
 public:
  explicit BoundRow(RowValues values);
  BoundRow(const BoundRow&) = delete;
  BoundRow& operator=(const BoundRow&) = delete;

  void bind(const Handle& statement);

 private:
  struct Parameter {
    std::variant<std::monostate, Text, double, SQL_TIMESTAMP_STRUCT> buffer;
    SQLLEN indicator = 0;
  };
  static void bindOne(const Handle& statement, SQLUSMALLINT number, Parameter& parameter);

  std::vector<Parameter> m_parameters;
};

}  // namespace pillora::odbc
