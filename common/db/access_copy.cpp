#include "common/db/access_copy.h"

#include <filesystem>
#include <functional>

#include "common/db/content_hash.h"
#include "common/db/copy_record.h"
#include "common/db/jet_reader.h"
#include "common/db/sqlite_backend.h"

namespace pillora {

namespace {

Text sqlType(JetType type) {
  switch (type) {
    case JetType::Integer:
      return u"INTEGER";
    case JetType::Real:
      return u"REAL";
    case JetType::Numeric:
      return u"NUMERIC";
    case JetType::DateTime:
      return u"DATETIME";
    case JetType::Binary:
      return u"BLOB";
    case JetType::Text:
      break;
  }
  return u"TEXT COLLATE NOCASE";
}

// The copy's side of the work: every failure there is the copy's, not the Access file's.
class CopyFile {
 public:
  explicit CopyFile(const std::string& path) : m_path(path) {
    std::error_code error;
    if (std::filesystem::file_size(path, error) != 0 || error) {
      throw CopyNotWritten("cannot write the copy " + path + ": not an empty file made for it");
    }
    write([this] {
      m_database = SqliteBackend::openFile(m_path);
      // Until it is complete the copy has no name of its own: a failed copy is thrown away
      // whole, so no rollback journal is needed.
      m_database->execute(u"PRAGMA journal_mode = OFF");
    });
  }

  SqliteBackend& database() { return *m_database; }

  void write(const std::function<void()>& work) const {
    try {
      work();
    } catch (const DatabaseError& error) {
      throw CopyNotWritten("cannot write the copy " + m_path + ": " + error.what());
    }
  }

 private:
  std::string m_path;
  std::unique_ptr<SqliteBackend> m_database;
};

// Writes the tables of an Access file into an SQLite database.
class CopySink final : public JetTableSink {
 public:
  explicit CopySink(CopyFile& target) : m_target(target) {}

  void table(const std::string& name, const std::vector<JetColumn>& columns) override {
    m_table = fromUtf8(name);
    m_columns.clear();
    Text definitions;
    for (const JetColumn& column : columns) {
      m_columns.push_back(fromUtf8(column.name));
      definitions += (definitions.empty() ? u"" : u", ") + quotedSqlName(m_columns.back()) + u" " +
                     sqlType(column.type);
    }
    m_target.write([&] {
      m_target.database().execute(u"CREATE TABLE " + quotedSqlName(m_table) + u" (" + definitions +
                                  u")");
    });
  }

  void row(const JetRow& values) override {
    ColumnValues row;
    for (size_t i = 0; i < values.size(); ++i) {
      FieldValue value;
      if (values[i]) value = fromUtf8(*values[i]);
      row.emplace_back(m_columns[i], std::move(value));
    }
    m_target.write([&] { m_target.database().insert(m_table, row); });
  }

 private:
  CopyFile& m_target;
  Text m_table;
  std::vector<Text> m_columns;
};

}  // namespace

void copyAccessFile(const std::string& accessFile, const std::string& sqliteFile) {
  const std::string source = fileContentHash(accessFile);
  CopyFile copy(sqliteFile);
  copy.write([&] { copy.database().execute(u"BEGIN"); });
  CopySink sink(copy);
  readJetFile(accessFile, sink);
  copy.write([&] { recordCopy(copy.database(), source); });
  // The copy must be of one state of the file: one replaced while it was read is read again
  // by a later job.
  if (fileContentHash(accessFile) != source) {
    throw DatabaseError("the Access database file " + accessFile + " changed while it was read");
  }
  copy.write([&] { copy.database().execute(u"COMMIT"); });
}

}  // namespace pillora
