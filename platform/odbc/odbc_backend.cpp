#include "platform/odbc/odbc_backend.h"

#include <array>
#include <optional>

#include "common/db/insert_statement.h"
#include "common/text/errors.h"
#include "platform/odbc/odbc_handle.h"
#include "platform/odbc/odbc_values.h"

namespace pillora {

namespace {

using odbc::Handle;
using odbc::library;
using odbc::wide;

constexpr SQLULEN kLoginTimeoutSeconds = 15;

Handle environment() {
  Handle env(SQL_HANDLE_ENV, SQL_NULL_HANDLE);
  env.check(library().SQLSetEnvAttr(env.get(), SQL_ATTR_ODBC_VERSION,
                                    odbc::attributeValue(SQL_OV_ODBC3), 0),
            "SQLSetEnvAttr");
  return env;
}

// The text a driver wrote: as long as it reports, but never past its closing NUL (the SQLite
// driver reports the length of a column name in UTF-8 bytes, longer than the name).
Text wideText(const SQLWCHAR* text, size_t units) {
  const TextView written(reinterpret_cast<const char16_t*>(text), units);
  return Text(written.substr(0, written.find(u'\0')));
}

class OdbcBackend final : public Backend {
 public:
  explicit OdbcBackend(const Text& connectionString);
  ~OdbcBackend() override;
  OdbcBackend(const OdbcBackend&) = delete;
  OdbcBackend& operator=(const OdbcBackend&) = delete;

  void execute(const Text& sql) override;
  QueryResult query(const Text& sql, std::size_t maxRows) override;
  void insert(const Text& table, RowValues values) override;
  void begin() override;
  void commit() override;
  void rollback() override;

 private:
  Handle statement() const { return {SQL_HANDLE_STMT, m_connection.get()}; }
  static void executeDirect(const Handle& statement, const Text& sql);
  static ColumnInfo describe(const Handle& statement, SQLUSMALLINT column, SQLSMALLINT& sqlType);
  void setAutocommit(bool on);
  void endTransaction(SQLSMALLINT completion);
  Text identifierQuote() const;

  Handle m_environment = environment();
  Handle m_connection{SQL_HANDLE_DBC, m_environment.get()};
  Text m_quote;
  bool m_inTransaction = false;
  // The last insert statement, kept prepared while rows go to the same columns.
  std::optional<Handle> m_insert;
  InsertColumns m_insertColumns;
};

OdbcBackend::OdbcBackend(const Text& connectionString) {
  m_connection.check(
      library().SQLSetConnectAttrW(m_connection.get(), SQL_ATTR_LOGIN_TIMEOUT,
                                   odbc::attributeValue(kLoginTimeoutSeconds), SQL_IS_UINTEGER),
      "SQLSetConnectAttr");
  m_connection.check(
      library().SQLDriverConnectW(m_connection.get(), nullptr, wide(connectionString), SQL_NTS,
                                  nullptr, 0, nullptr, SQL_DRIVER_NOPROMPT),
      "SQLDriverConnect");
  m_quote = identifierQuote();
}

OdbcBackend::~OdbcBackend() {
  m_insert.reset();
  if (m_inTransaction) library().SQLEndTran(SQL_HANDLE_DBC, m_connection.get(), SQL_ROLLBACK);
  library().SQLDisconnect(m_connection.get());
}

Text OdbcBackend::identifierQuote() const {
  std::array<SQLWCHAR, 8> quote{};
  SQLSMALLINT bytes = 0;
  m_connection.check(library().SQLGetInfoW(m_connection.get(), SQL_IDENTIFIER_QUOTE_CHAR,
                                           quote.data(), sizeof quote, &bytes),
                     "SQLGetInfo");
  const Text text = wideText(quote.data(), static_cast<size_t>(bytes) / sizeof(SQLWCHAR));
  return text == u" " ? Text() : text;  // a blank: the engine has no quoted names
}

void OdbcBackend::executeDirect(const Handle& statement, const Text& sql) {
  const SQLRETURN rc = library().SQLExecDirectW(statement.get(), wide(sql), SQL_NTS);
  if (rc != SQL_NO_DATA) statement.check(rc, "SQLExecDirect");  // no data: no row matched
}

void OdbcBackend::execute(const Text& sql) {
  executeDirect(statement(), sql);
}

ColumnInfo OdbcBackend::describe(const Handle& statement, SQLUSMALLINT column,
                                 SQLSMALLINT& sqlType) {
  std::array<SQLWCHAR, 256> name{};
  SQLSMALLINT nameUnits = 0;
  SQLULEN size = 0;
  SQLSMALLINT digits = 0;
  SQLSMALLINT nullable = 0;
  statement.check(library().SQLDescribeColW(statement.get(), column, name.data(),
                                            static_cast<SQLSMALLINT>(name.size()), &nameUnits,
                                            &sqlType, &size, &digits, &nullable),
                  "SQLDescribeCol");
  std::array<SQLWCHAR, 256> table{};
  SQLSMALLINT tableBytes = 0;
  // A driver that cannot tell the table (MDBTools) leaves it unknown: such a result reads as
  // any other, it only takes no new rows.
  if (!SQL_SUCCEEDED(library().SQLColAttributeW(statement.get(), column, SQL_DESC_BASE_TABLE_NAME,
                                                table.data(), sizeof table, &tableBytes,
                                                nullptr))) {
    tableBytes = 0;
  }
  // Names longer than the buffers come cut; the lengths say how long they are whole.
  const auto units = [](SQLSMALLINT n, size_t room) {
    return std::min(static_cast<size_t>(std::max<SQLSMALLINT>(n, 0)), room - 1);
  };
  // The attribute call counts bytes, the describe call characters.
  return {wideText(name.data(), units(nameUnits, name.size())),
          wideText(table.data(), units(tableBytes, sizeof table) / sizeof(SQLWCHAR)),
          odbc::columnKind(sqlType)};
}

QueryResult OdbcBackend::query(const Text& sql, std::size_t maxRows) {
  const Handle s = statement();
  executeDirect(s, sql);
  SQLSMALLINT count = 0;
  s.check(library().SQLNumResultCols(s.get(), &count), "SQLNumResultCols");
  QueryResult result;
  std::vector<SQLSMALLINT> types(static_cast<size_t>(count));
  for (SQLUSMALLINT i = 1; i <= count; ++i) result.columns.push_back(describe(s, i, types[i - 1]));
  while (result.rows.size() < maxRows) {
    const SQLRETURN rc = library().SQLFetch(s.get());
    if (rc == SQL_NO_DATA) break;
    s.check(rc, "SQLFetch");
    Row& row = result.rows.emplace_back();
    for (SQLUSMALLINT i = 1; i <= count; ++i) row.push_back(odbc::readColumn(s, i, types[i - 1]));
  }
  return result;
}

void OdbcBackend::insert(const Text& table, RowValues values) {
  if (m_insertColumns.changeTo(table, values) || !m_insert) {
    m_insert.reset();
    const Text sql = insertStatement(table, values, m_quote);
    Handle prepared = statement();
    prepared.check(library().SQLPrepareW(prepared.get(), wide(sql), SQL_NTS), "SQLPrepare");
    m_insert.emplace(std::move(prepared));
  }
  odbc::BoundRow row(values);
  row.bind(*m_insert);
  m_insert->check(library().SQLExecute(m_insert->get()), "SQLExecute");
}

void OdbcBackend::setAutocommit(bool on) {
  const SQLULEN mode = on ? SQL_AUTOCOMMIT_ON : SQL_AUTOCOMMIT_OFF;
  m_connection.check(library().SQLSetConnectAttrW(m_connection.get(), SQL_ATTR_AUTOCOMMIT,
                                                  odbc::attributeValue(mode), SQL_IS_UINTEGER),
                     "SQLSetConnectAttr");
}

void OdbcBackend::begin() {
  if (m_inTransaction) throw DatabaseError("a transaction is open already");
  setAutocommit(false);
  m_inTransaction = true;
}

void OdbcBackend::endTransaction(SQLSMALLINT completion) {
  if (!m_inTransaction) throw DatabaseError("no transaction is open");
  // Some drivers drop prepared statements when a transaction ends; prepare anew after it.
  m_insert.reset();
  m_connection.check(library().SQLEndTran(SQL_HANDLE_DBC, m_connection.get(), completion),
                     "SQLEndTran");
  m_inTransaction = false;
  setAutocommit(true);
}

void OdbcBackend::commit() {
  endTransaction(SQL_COMMIT);
}

void OdbcBackend::rollback() {
  endTransaction(SQL_ROLLBACK);
}

}  // namespace

std::unique_ptr<Backend> connectOdbc(const Text& connectionString) {
  return std::make_unique<OdbcBackend>(connectionString);
}

std::vector<Text> installedOdbcDrivers() {
  const Handle env = environment();
  std::vector<Text> names;
  SQLUSMALLINT direction = SQL_FETCH_FIRST;
  for (;;) {
    std::array<SQLWCHAR, 256> name{};
    SQLSMALLINT units = 0;
    SQLSMALLINT attributeUnits = 0;
    const SQLRETURN rc = library().SQLDriversW(env.get(), direction, name.data(),
                                               static_cast<SQLSMALLINT>(name.size()), &units,
                                               nullptr, 0, &attributeUnits);
    if (!odbc::succeeded(rc)) break;
    names.push_back(wideText(name.data(), std::min<size_t>(units, name.size() - 1)));
    direction = SQL_FETCH_NEXT;
  }
  return names;
}

}  // namespace pillora
