#pragma once
// The engine behind an open connection. The provider named in the connection string
// chooses it (backends.h); connections and record sets talk to nothing else, so every
// engine (SQLite here, an ODBC driver manager for SQL Server) implements this interface.
// Every engine failure comes out as DatabaseError carrying the engine's own message.
#include <cstddef>
#include <optional>
#include <span>
#include <utility>
#include <variant>
#include <vector>

#include "common/text/convert.h"
#include "common/text/text.h"

namespace pillora {

// A value to store: NULL, text, a number or a date.
using FieldValue = std::variant<std::monostate, Text, double, Date>;

// A value read back: NULL stays apart from empty text. Numbers and dates read as text.
using FieldText = std::optional<Text>;
using Row = std::vector<FieldText>;

// What a column takes, as far as assigning a value to it is concerned.
enum class ColumnKind { Text, Number, Date, Any };

struct ColumnInfo {
  Text name;
  Text table;  // the table the column comes from; empty for a computed column
  ColumnKind kind = ColumnKind::Any;
};

struct QueryResult {
  std::vector<ColumnInfo> columns;
  std::vector<Row> rows;
};

using ColumnValue = std::pair<Text, FieldValue>;
using ColumnValues = std::vector<ColumnValue>;
// The values of one row for the columns they name, in order.
using RowValues = std::span<const ColumnValue>;

class Backend {
 public:
  Backend() = default;
  Backend(const Backend&) = delete;
  Backend& operator=(const Backend&) = delete;
  virtual ~Backend() = default;

  // Runs a statement that returns no rows.
  virtual void execute(const Text& sql) = 0;
  // The columns of a query and at most maxRows of its rows, in the order the engine
  // delivers them.
  virtual QueryResult query(const Text& sql, std::size_t maxRows) = 0;
  // Adds one row to table; the columns not named take their defaults.
  virtual void insert(const Text& table, RowValues values) = 0;

  // One transaction at a time: from begin on, changes become visible to others and
  // durable only with commit; rollback undoes every change since begin. DatabaseError
  // for a begin inside a transaction and for a commit or rollback outside one. Closing
  // the engine with a transaction open rolls it back.
  virtual void begin() = 0;
  virtual void commit() = 0;
  virtual void rollback() = 0;
};

}  // namespace pillora
