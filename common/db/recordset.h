#pragma once
// A record set on a connection, as both programs use it: open it with a query, test for a
// row, read the current row's fields by column name; or add a row, set its fields and save
// it. The cursor is dynamic and locking optimistic: nothing stays locked while the record
// set is open, and a new row is written only when it is saved.
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include "common/db/backend.h"
#include "common/db/connection.h"

namespace pillora {

class Recordset {
 public:
  // The first row the engine delivers becomes the current row. DatabaseError when the
  // record set is open already, the connection is closed or the query fails.
  void Open(const Text& sql, Connection& connection);
  // Opens it as Open does, reading every row of the query at once for MoveNext to walk.
  void OpenAll(const Text& sql, Connection& connection);
  // True exactly when there is no current row (the query returned none, or MoveNext went
  // past the last row).
  bool BOF() const;
  // The next row of a record set opened with OpenAll becomes the current row; false, with no
  // current row, past the last.
  bool MoveNext();

  // The current row's value of a column, the name compared ignoring letter case; nothing
  // for NULL. DatabaseError for an unknown column or when there is no current row.
  FieldText Field(const Text& name) const;

  // Begins a new row of the table the record set reads; all its fields NULL until set.
  // A new row not yet saved is saved first.
  void AddNew();
  // Sets a field of the new row. DatabaseError, the field unchanged, when there is no new
  // row, the column is unknown or cannot take the value (text that is no number for a
  // number column, no date for a date column). Numbers and dates given as text are stored
  // as numbers and dates.
  void Field(const Text& name, FieldValue value);
  // Saves the new row, which becomes the current row. When saving fails the new row is
  // dropped. DatabaseError when there is no new row or the engine refuses it.
  void Update();

  void Close();

 private:
  void open(const Text& sql, Connection& connection, std::size_t maxRows);
  bool advance();
  void requireOpen() const;
  size_t columnIndex(const Text& name) const;
  const Text& updatableTable() const;
  // The place in m_added of a column's value; nothing when the added row does not set it.
  std::optional<size_t> addedPlace(size_t column) const;

  std::weak_ptr<Backend> m_backend;
  bool m_open = false;
  std::vector<ColumnInfo> m_columns;
  // The one table all columns come from; none when they do not.
  std::optional<Text> m_table;
  // Column names as callers spell them, found once: a record set filling thousands of
  // rows asks for the same names row after row.
  mutable std::unordered_map<Text, size_t> m_indexes;
  // The current row as the query delivered it; none while an added row is current.
  std::optional<Row> m_queried;
  // The rows after the current one, read by OpenAll, and the next of them.
  std::vector<Row> m_following;
  std::size_t m_next = 0;
  // The row last added is current: its fields are the first m_addedCount values of
  // m_added, read as text only when asked for.
  bool m_addedIsCurrent = false;
  // A new row is being filled (AddNew) and has not been saved yet.
  bool m_adding = false;
  // The added row's values in the order they were first set, with each one's column. Row
  // after row sets the same columns in the same order: the entries, names included, are
  // kept and overwritten, not built anew.
  ColumnValues m_added;
  std::vector<size_t> m_addedColumns;
  size_t m_addedCount = 0;
};

}  // namespace pillora
