#pragma once
// SQLite as the engine behind a connection: database files in SQLite format, read and
// written in place, and the copies into which Access files are read.
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/db/backend.h"
#include "common/db/insert_statement.h"

struct sqlite3;
struct sqlite3_stmt;

namespace pillora {

// A table or column name quoted for SQL.
Text quotedSqlName(TextView name);

class SqliteBackend final : public Backend {
 public:
  // An existing database file, opened for reading and writing. DatabaseError when it is
  // missing or is not an SQLite database.
  static std::unique_ptr<SqliteBackend> openFile(const std::string& path);
  // An existing database file, opened for reading only.
  static std::unique_ptr<SqliteBackend> openReadOnly(const std::string& path);
  // A new, empty database file; DatabaseError when the file exists already.
  static std::unique_ptr<SqliteBackend> createFile(const std::string& path);
  // An empty database held in memory.
  static std::unique_ptr<SqliteBackend> inMemory();

  ~SqliteBackend() override;

  void execute(const Text& sql) override;
  QueryResult query(const Text& sql, std::size_t maxRows) override;
  void insert(const Text& table, RowValues values) override;
  void begin() override;
  void commit() override;
  void rollback() override;

  // A row's values as SQLite keeps them: the bytes of each value's text form (UTF-8), nothing
  // for NULL; valid while the visit lasts.
  using RawRow = std::vector<std::optional<std::string_view>>;
  // Hands every row of a query to visit, converting nothing: for reading whole tables.
  void forEachRow(const Text& sql, const std::function<void(const RawRow&)>& visit);

  // From now on every statement that would change the database fails with this message.
  void refuseWrites(std::string message);

 private:
  struct Finalizer {
    void operator()(sqlite3_stmt* statement) const;
  };
  using Statement = std::unique_ptr<sqlite3_stmt, Finalizer>;

 public:
  // Rows added to the columns of one table through one statement prepared for them, each
  // value UTF-8 text (nothing for NULL) bound as it is: for copying whole tables. Valid while
  // the database is.
  class RowWriter {
   public:
    // DatabaseError when the row is refused, or writes are (refuseWrites).
    void add(std::span<const std::optional<std::string>> values);

   private:
    friend class SqliteBackend;
    RowWriter(SqliteBackend& database, Statement statement)
        : m_database(database), m_statement(std::move(statement)) {}

    SqliteBackend& m_database;
    Statement m_statement;
  };
  // DatabaseError when the statement cannot be prepared (no such table or column).
  RowWriter rowWriter(const Text& table, const std::vector<Text>& columns);

 private:
  explicit SqliteBackend(sqlite3* db);
  static std::unique_ptr<SqliteBackend> open(const char* name, int flags);
  static std::unique_ptr<SqliteBackend> openExisting(const std::string& path, int flags);
  Statement prepare(const Text& sql);
  // Steps once: true with a row, false when done.
  bool step(sqlite3_stmt* statement);
  void bindValue(sqlite3_stmt* statement, int index, const FieldValue& value, std::string& utf8);
  static std::optional<std::string_view> rawValue(sqlite3_stmt* statement, int column);
  [[noreturn]] void fail() const;

  sqlite3* m_db;
  std::optional<std::string> m_writeRefusal;
  // The UTF-8 of the insert statement's bound texts, one buffer a parameter, reused row
  // after row; declared before the statement, which reads them until it is finalized.
  std::vector<std::string> m_insertTexts;
  // The last insert statement, kept prepared while rows go to the same columns.
  Statement m_insert;
  InsertColumns m_insertColumns;
};

}  // namespace pillora
