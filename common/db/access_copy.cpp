#include "common/db/access_copy.h"

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

// Writes the tables of an Access file into an SQLite database.
class CopySink final : public JetTableSink {
 public:
  explicit CopySink(SqliteBackend& target) : m_target(target) {}

  void table(const std::string& name, const std::vector<JetColumn>& columns) override {
    m_table = fromUtf8(name);
    m_columns.clear();
    Text definitions;
    for (const JetColumn& column : columns) {
      m_columns.push_back(fromUtf8(column.name));
      definitions += (definitions.empty() ? u"" : u", ") + quotedSqlName(m_columns.back()) + u" " +
                     sqlType(column.type);
    }
    m_target.execute(u"CREATE TABLE " + quotedSqlName(m_table) + u" (" + definitions + u")");
  }

  void row(const JetRow& values) override {
    ColumnValues row;
    for (size_t i = 0; i < values.size(); ++i) {
      FieldValue value;
      if (values[i]) value = fromUtf8(*values[i]);
      row.emplace_back(m_columns[i], std::move(value));
    }
    m_target.insert(m_table, row);
  }

 private:
  SqliteBackend& m_target;
  Text m_table;
  std::vector<Text> m_columns;
};

}  // namespace

void copyAccessFile(const std::string& accessFile, const std::string& sqliteFile) {
  const auto copy = SqliteBackend::createFile(sqliteFile);
  copy->execute(u"BEGIN");
  CopySink sink(*copy);
  readJetFile(accessFile, sink);
  copy->execute(u"COMMIT");
}

}  // namespace pillora
