#include "common/db/sqlite_backend.h"

#include <sqlite3.h>

#include <fstream>

#include "common/db/insert_statement.h"
#include "common/text/errors.h"

namespace pillora {

namespace {

constexpr int kBusyTimeoutMs = 5000;
// Files are read through a memory map of up to this size. A drug-profile lookup scans the
// whole table (its LIKE patterns begin with "%"), and a job runs several: read page by
// page into SQLite's default page cache, smaller than the file, every scan would read the
// file again.
constexpr TextView kMapFiles = u"PRAGMA mmap_size = 268435456";

// SQLite's rules for a column's type affinity, read from its declared type.
ColumnKind kindOfDeclaredType(const char* declared) {
  if (declared == nullptr) return ColumnKind::Any;
  const Text type = upper(fromUtf8(declared));
  const auto has = [&type](TextView word) { return contains(type, word); };
  if (has(u"INT")) return ColumnKind::Number;
  if (has(u"CHAR") || has(u"CLOB") || has(u"TEXT")) return ColumnKind::Text;
  if (type.empty() || has(u"BLOB")) return ColumnKind::Any;
  if (has(u"REAL") || has(u"FLOA") || has(u"DOUB")) return ColumnKind::Number;
  return has(u"DATE") || has(u"TIME") ? ColumnKind::Date : ColumnKind::Number;
}

bool fileExists(const std::string& path) {
  return std::ifstream(path).good();
}

}  // namespace

Text quotedSqlName(TextView name) {
  return quotedName(name, u"\"");
}

void SqliteBackend::Finalizer::operator()(sqlite3_stmt* statement) const {
  sqlite3_finalize(statement);
}

SqliteBackend::SqliteBackend(sqlite3* db) : m_db(db) {
  sqlite3_busy_timeout(db, kBusyTimeoutMs);
}

SqliteBackend::~SqliteBackend() {
  m_insert.reset();
  sqlite3_close(m_db);
}

std::unique_ptr<SqliteBackend> SqliteBackend::open(const char* name, int flags) {
  sqlite3* db = nullptr;
  const int rc = sqlite3_open_v2(name, &db, flags, nullptr);
  std::unique_ptr<SqliteBackend> backend(new SqliteBackend(db));
  if (rc != SQLITE_OK) backend->fail();
  return backend;
}

std::unique_ptr<SqliteBackend> SqliteBackend::openFile(const std::string& path) {
  return openExisting(path, SQLITE_OPEN_READWRITE);
}

std::unique_ptr<SqliteBackend> SqliteBackend::openReadOnly(const std::string& path) {
  return openExisting(path, SQLITE_OPEN_READONLY);
}

std::unique_ptr<SqliteBackend> SqliteBackend::openExisting(const std::string& path, int flags) {
  if (!fileExists(path)) throw DatabaseError("database file not found: " + path);
  auto backend = open(path.c_str(), flags);
  backend->execute(Text(kMapFiles));
  // SQLite reads the file only when asked; ask now so that a damaged file fails the open.
  backend->query(u"SELECT count(*) FROM sqlite_master", 1);
  return backend;
}

std::unique_ptr<SqliteBackend> SqliteBackend::createFile(const std::string& path) {
  if (fileExists(path)) throw DatabaseError("database file exists already: " + path);
  return open(path.c_str(), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
}

std::unique_ptr<SqliteBackend> SqliteBackend::inMemory() {
  return open(":memory:", SQLITE_OPEN_READWRITE);
}

void SqliteBackend::refuseWrites(std::string message) {
  m_writeRefusal = std::move(message);
  m_insert.reset();  // prepared before the refusal: must not slip past it
}

void SqliteBackend::fail() const {
  throw DatabaseError(m_db != nullptr ? sqlite3_errmsg(m_db) : "out of memory");
}

SqliteBackend::Statement SqliteBackend::prepare(const Text& sql) {
  const std::string utf8 = toUtf8(sql);
  sqlite3_stmt* raw = nullptr;
  const char* tail = nullptr;
  if (sqlite3_prepare_v2(m_db, utf8.c_str(), static_cast<int>(utf8.size()), &raw, &tail) !=
      SQLITE_OK) {
    fail();
  }
  Statement statement(raw);
  if (statement == nullptr) throw DatabaseError("no SQL statement in \"" + utf8 + "\"");
  if (std::string_view(tail).find_first_not_of(" \t\r\n;") != std::string_view::npos) {
    throw DatabaseError("one SQL statement at a time: \"" + utf8 + "\"");
  }
  if (m_writeRefusal && sqlite3_stmt_readonly(statement.get()) == 0) {
    throw DatabaseError(*m_writeRefusal);
  }
  return statement;
}

bool SqliteBackend::step(sqlite3_stmt* statement) {
  const int rc = sqlite3_step(statement);
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  fail();
}

void SqliteBackend::execute(const Text& sql) {
  const Statement statement = prepare(sql);
  while (step(statement.get())) {
  }
}

QueryResult SqliteBackend::query(const Text& sql, std::size_t maxRows) {
  const Statement statement = prepare(sql);
  sqlite3_stmt* s = statement.get();
  QueryResult result;
  const int count = sqlite3_column_count(s);
  for (int i = 0; i < count; ++i) {
    const char* table = sqlite3_column_table_name(s, i);
    result.columns.push_back({fromUtf8(sqlite3_column_name(s, i)),
                              table != nullptr ? fromUtf8(table) : Text(),
                              kindOfDeclaredType(sqlite3_column_decltype(s, i))});
  }
  while (result.rows.size() < maxRows && step(s)) {
    Row& row = result.rows.emplace_back();
    for (int i = 0; i < count; ++i) {
      const std::optional<std::string_view> value = rawValue(s, i);
      row.push_back(value ? FieldText(fromUtf8(*value)) : std::nullopt);
    }
  }
  return result;
}

void SqliteBackend::forEachRow(const Text& sql, const std::function<void(const RawRow&)>& visit) {
  const Statement statement = prepare(sql);
  sqlite3_stmt* s = statement.get();
  RawRow row(static_cast<std::size_t>(sqlite3_column_count(s)));
  while (step(s)) {
    for (std::size_t i = 0; i < row.size(); ++i) row[i] = rawValue(s, static_cast<int>(i));
    visit(row);
  }
}

std::optional<std::string_view> SqliteBackend::rawValue(sqlite3_stmt* statement, int column) {
  if (sqlite3_column_type(statement, column) == SQLITE_NULL) return std::nullopt;
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
  return std::string_view(text, static_cast<std::size_t>(sqlite3_column_bytes(statement, column)));
}

// Texts and dates are bound as UTF-8 held in utf8, which must stay as it is until the
// statement has run.
void SqliteBackend::bindValue(sqlite3_stmt* statement, int index, const FieldValue& value,
                              std::string& utf8) {
  int rc = SQLITE_OK;
  if (const auto* number = std::get_if<double>(&value)) {
    rc = sqlite3_bind_double(statement, index, *number);
  } else if (std::holds_alternative<std::monostate>(value)) {
    rc = sqlite3_bind_null(statement, index);
  } else {
    const auto* text = std::get_if<Text>(&value);
    assignUtf8(utf8, text != nullptr ? *text : formatDashDate(std::get<Date>(value)));
    rc = sqlite3_bind_text(statement, index, utf8.data(), static_cast<int>(utf8.size()),
                           SQLITE_STATIC);
  }
  if (rc != SQLITE_OK) fail();
}

void SqliteBackend::insert(const Text& table, RowValues values) {
  if (m_insertColumns.changeTo(table, values) || m_insert == nullptr) {
    m_insert.reset();
    m_insert = prepare(insertStatement(table, values, u"\""));
  }
  sqlite3_reset(m_insert.get());
  if (m_insertTexts.size() < values.size()) m_insertTexts.resize(values.size());
  for (size_t i = 0; i < values.size(); ++i) {
    bindValue(m_insert.get(), static_cast<int>(i + 1), values[i].second, m_insertTexts[i]);
  }
  step(m_insert.get());
}

SqliteBackend::RowWriter SqliteBackend::rowWriter(const Text& table,
                                                  const std::vector<Text>& columns) {
  ColumnValues named;
  for (const Text& column : columns) named.emplace_back(column, FieldValue());
  return {*this, prepare(insertStatement(table, named, u"\""))};
}

void SqliteBackend::RowWriter::add(std::span<const std::optional<std::string>> values) {
  if (m_database.m_writeRefusal) throw DatabaseError(*m_database.m_writeRefusal);
  sqlite3_stmt* statement = m_statement.get();
  sqlite3_reset(statement);
  for (std::size_t i = 0; i < values.size(); ++i) {
    const int index = static_cast<int>(i + 1);
    const int rc = values[i] ? sqlite3_bind_text(statement, index, values[i]->data(),
                                                 static_cast<int>(values[i]->size()), SQLITE_STATIC)
                             : sqlite3_bind_null(statement, index);
    if (rc != SQLITE_OK) m_database.fail();
  }
  m_database.step(statement);
}

// SQLite's own messages say what went wrong ("cannot start a transaction within a
// transaction", "cannot commit - no transaction is active").
void SqliteBackend::begin() {
  execute(u"BEGIN");
}

void SqliteBackend::commit() {
  execute(u"COMMIT");
}

void SqliteBackend::rollback() {
  execute(u"ROLLBACK");
}

}  // namespace pillora
