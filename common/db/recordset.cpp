#include "common/db/recordset.h"

#include <algorithm>
#include <limits>

#include "common/text/errors.h"

namespace pillora {

namespace {

[[noreturn]] void refuse(const ColumnInfo& column, const FieldValue& value) {
  const char* what = std::holds_alternative<Date>(value) ? "a date" : "this value";
  throw DatabaseError("column " + toUtf8(column.name) + " cannot take " + what);
}

// The value as the column keeps it: numbers and dates given as text are converted.
FieldValue acceptedValue(const ColumnInfo& column, FieldValue value) {
  const Text* text = std::get_if<Text>(&value);
  switch (column.kind) {
    case ColumnKind::Number:
      if (std::holds_alternative<Date>(value)) refuse(column, value);
      if (text == nullptr) return value;
      if (!isNumeric(*text)) refuse(column, value);
      return toDouble(*text);
    case ColumnKind::Date:
      if (std::holds_alternative<double>(value)) refuse(column, value);
      if (text == nullptr) return value;
      if (const auto date = parseDate(*text)) return *date;
      refuse(column, value);
    case ColumnKind::Text:
    case ColumnKind::Any:
      break;
  }
  return value;
}

FieldText textOf(const FieldValue& value) {
  if (const auto* text = std::get_if<Text>(&value)) return *text;
  if (const auto* date = std::get_if<Date>(&value)) return formatDashDate(*date);
  if (const auto* number = std::get_if<double>(&value)) return formatDouble(*number);
  return std::nullopt;
}

std::optional<Text> oneTableOf(const std::vector<ColumnInfo>& columns) {
  const bool oneTable =
      !columns.empty() && std::all_of(columns.begin(), columns.end(), [&columns](const auto& c) {
        return !c.table.empty() && equalsIgnoreCase(c.table, columns.front().table);
      });
  if (!oneTable) return std::nullopt;
  return columns.front().table;
}

}  // namespace

void Recordset::Open(const Text& sql, Connection& connection) {
  open(sql, connection, 1);
}

void Recordset::OpenAll(const Text& sql, Connection& connection) {
  open(sql, connection, std::numeric_limits<std::size_t>::max());
}

void Recordset::open(const Text& sql, Connection& connection, std::size_t maxRows) {
  if (m_open) throw DatabaseError("the record set is open already");
  const std::shared_ptr<Backend>& backend = connection.backend();
  QueryResult result = backend->query(sql, maxRows);
  m_backend = backend;
  m_columns = std::move(result.columns);
  m_table = oneTableOf(m_columns);
  m_indexes.clear();
  m_following = std::move(result.rows);
  m_next = 0;
  advance();
  m_open = true;
}

bool Recordset::MoveNext() {
  requireOpen();
  return advance();
}

bool Recordset::advance() {
  m_queried.reset();
  m_addedIsCurrent = false;
  if (m_next >= m_following.size()) return false;
  m_queried = std::move(m_following[m_next++]);
  return true;
}

void Recordset::requireOpen() const {
  if (!m_open) throw DatabaseError("the record set is closed");
}

bool Recordset::BOF() const {
  requireOpen();
  return !m_queried && !m_addedIsCurrent;
}

size_t Recordset::columnIndex(const Text& name) const {
  requireOpen();
  if (const auto known = m_indexes.find(name); known != m_indexes.end()) return known->second;
  const auto found = std::find_if(m_columns.begin(), m_columns.end(), [&name](const auto& c) {
    return equalsIgnoreCase(c.name, name);
  });
  if (found == m_columns.end()) {
    throw DatabaseError("no column " + toUtf8(name) + " in the record set");
  }
  const auto index = static_cast<size_t>(found - m_columns.begin());
  m_indexes.emplace(name, index);
  return index;
}

std::optional<size_t> Recordset::addedPlace(size_t column) const {
  const auto begin = m_addedColumns.begin();
  const auto end = begin + static_cast<std::ptrdiff_t>(m_addedCount);
  const auto found = std::find(begin, end, column);
  if (found == end) return std::nullopt;
  return static_cast<size_t>(found - begin);
}

FieldText Recordset::Field(const Text& name) const {
  const size_t index = columnIndex(name);
  if (m_addedIsCurrent) {
    const std::optional<size_t> place = addedPlace(index);
    return place ? textOf(m_added[*place].second) : std::nullopt;
  }
  if (!m_queried) throw DatabaseError("the record set has no current row");
  return (*m_queried)[index];
}

const Text& Recordset::updatableTable() const {
  if (!m_table) {
    throw DatabaseError("the record set takes no new rows: its columns are not all of one table");
  }
  return *m_table;
}

void Recordset::AddNew() {
  requireOpen();
  updatableTable();
  if (m_adding) Update();
  m_adding = true;
  m_addedIsCurrent = true;
  m_queried.reset();
  m_addedCount = 0;
}

void Recordset::Field(const Text& name, FieldValue value) {
  const size_t index = columnIndex(name);
  if (!m_adding) throw DatabaseError("fields are set on a new row only (add one first)");
  FieldValue accepted = acceptedValue(m_columns[index], std::move(value));
  if (const std::optional<size_t> place = addedPlace(index)) {
    m_added[*place].second = std::move(accepted);
    return;
  }
  const size_t place = m_addedCount++;
  if (place == m_added.size()) {
    m_added.emplace_back(m_columns[index].name, std::move(accepted));
    m_addedColumns.push_back(index);
    return;
  }
  if (m_addedColumns[place] != index) {
    m_added[place].first = m_columns[index].name;
    m_addedColumns[place] = index;
  }
  m_added[place].second = std::move(accepted);
}

void Recordset::Update() {
  requireOpen();
  if (!m_adding) throw DatabaseError("there is no new row to save");
  m_adding = false;
  const std::shared_ptr<Backend> backend = m_backend.lock();
  if (!backend) throw DatabaseError("the connection is closed");
  backend->insert(updatableTable(), RowValues(m_added.data(), m_addedCount));
}

void Recordset::Close() {
  requireOpen();
  *this = Recordset();
}

}  // namespace pillora
