#include "common/db/access_copy.h"

#include <filesystem>
#include <functional>
#include <optional>

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
      // whole, so it needs no rollback journal, no flush of its own (the cache flushes it
      // before giving it its name) and no lock for others; its pages stay in memory until
      // the copy is complete.
      for (const char16_t* pragma :
           {u"PRAGMA journal_mode = OFF", u"PRAGMA synchronous = OFF",
            u"PRAGMA locking_mode = EXCLUSIVE", u"PRAGMA cache_size = -65536"}) {
        m_database->execute(pragma);
      }
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
      m_rows.emplace(m_target.database().rowWriter(m_table, m_columns));
    });
  }

  void row(const JetRow& values) override {
    m_target.write([&] { m_rows->add(values); });
  }

 private:
  CopyFile& m_target;
  Text m_table;
  std::vector<Text> m_columns;
  std::optional<SqliteBackend::RowWriter> m_rows;  // of the table being copied
};

}  // namespace

void copyAccessFile(const std::string& accessFile, const std::string& sqliteFile,
                    const std::vector<std::string>& tables) {
  const std::string source = fileContentHash(accessFile);
  CopyFile copy(sqliteFile);
  copy.write([&] { copy.database().execute(u"BEGIN"); });
  CopySink sink(copy);
  readJetFile(accessFile, sink, tables);
  copy.write([&] { recordCopy(copy.database(), copySourceKey(source, tables)); });
  // The copy must be of one state of the file: one replaced while it was read is read again
  // by a later job.
  if (fileContentHash(accessFile) != source) {
    throw DatabaseError("the Access database file " + accessFile + " changed while it was read");
  }
  copy.write([&] { copy.database().execute(u"COMMIT"); });
}

}  // namespace pillora
