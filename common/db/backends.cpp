#include "common/db/backends.h"

#include <algorithm>
#include <fstream>
#include <string>

#include "common/db/connection_string.h"
#include "common/db/jet_password.h"
#include "common/db/jet_reader.h"
#include "common/db/sqlite_backend.h"
#include "common/text/errors.h"

namespace pillora {

namespace {

constexpr TextView kJetProvider = u"Microsoft.Jet.OLEDB.4.0";
constexpr std::string_view kSqliteHeader("SQLite format 3\0", 16);

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

std::unique_ptr<Backend> openAccessCopy(const std::string& path) {
  auto copy = SqliteBackend::inMemory();
  copy->execute(u"BEGIN");
  CopySink sink(*copy);
  readJetFile(path, sink);
  copy->execute(u"COMMIT");
  copy->refuseWrites("this platform reads Access database files but does not write them: " + path);
  return copy;
}

std::string fileHead(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw DatabaseError("database file not found: " + path);
  std::string head(std::max({kJetHeaderSize, kJetPasswordHeaderSize, kSqliteHeader.size()}), '\0');
  file.read(head.data(), static_cast<std::streamsize>(head.size()));
  head.resize(static_cast<size_t>(file.gcount()));
  return head;
}

std::unique_ptr<Backend> openJetProvider(const ConnectionSettings& settings) {
  const Text source = settings.value(u"Data Source").value_or(Text());
  if (source.empty()) throw DatabaseError("the connection string names no Data Source");
  const std::string path = toUtf8(source);
  const std::string head = fileHead(path);
  if (head.starts_with(kSqliteHeader)) return SqliteBackend::openFile(path);
  if (isJetHeader(head)) {
    const Text stored = storedJetPassword(head);
    if (!stored.empty() && settings.value(u"Jet OLEDB:Database Password") != stored) {
      throw DatabaseError("not a valid password for the Access database file " + path);
    }
    return openAccessCopy(path);
  }
  throw DatabaseError("not an Access or SQLite database file: " + path);
}

}  // namespace

std::unique_ptr<Backend> openBackend(const Text& connectionString) {
  const ConnectionSettings settings = ConnectionSettings::parse(connectionString);
  const Text provider = settings.value(u"Provider").value_or(Text());
  if (equalsIgnoreCase(provider, kJetProvider)) return openJetProvider(settings);
  if (provider.empty()) throw DatabaseError("the connection string names no Provider");
  throw DatabaseError("database provider not supported on this platform: " + toUtf8(provider));
}

}  // namespace pillora
