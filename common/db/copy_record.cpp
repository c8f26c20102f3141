#include "common/db/copy_record.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

#include "common/db/content_hash.h"
#include "common/text/errors.h"

namespace pillora {

namespace {

constexpr TextView kSourceTable = u"pillora.source";
constexpr TextView kTablesTable = u"pillora.tables";
constexpr std::size_t kEveryRow = std::numeric_limits<std::size_t>::max();

struct SchemaObject {
  Text type;
  Text name;
  Text definition;
};

struct TableRecord {
  Text name;
  Text rows;
  Text digest;

  bool operator==(const TableRecord&) const = default;
};

Text textAt(const Row& row, std::size_t column) {
  return row.size() > column && row[column] ? *row[column] : Text();
}

std::vector<Row> rowsOf(SqliteBackend& copy, const Text& sql) {
  return copy.query(sql, kEveryRow).rows;
}

std::vector<SchemaObject> schemaOf(SqliteBackend& copy) {
  std::vector<SchemaObject> objects;
  for (const Row& row : rowsOf(copy, u"SELECT type, name, sql FROM sqlite_master")) {
    objects.push_back({textAt(row, 0), textAt(row, 1), textAt(row, 2)});
  }
  return objects;
}

// A value as the digest takes it: NULL apart from every text, each text with its length.
void addValue(std::string& bytes, const std::optional<std::string_view>& value) {
  if (!value) {
    bytes += '\0';
    return;
  }
  const std::uint64_t size = value->size();
  bytes += '\1';
  bytes.append(reinterpret_cast<const char*>(&size), sizeof size);
  bytes += *value;
}

// The rows and the digest of a table as the copy holds it now, read as the lookups read it.
// Each row goes to the digest in one piece.
TableRecord measure(SqliteBackend& copy, const SchemaObject& table) {
  ContentHash hash;
  std::string bytes;
  addValue(bytes, toUtf8(table.definition));
  hash.add(bytes);
  std::int64_t rows = 0;
  copy.forEachRow(u"SELECT * FROM " + quotedSqlName(table.name),
                  [&](const SqliteBackend::RawRow& row) {
                    bytes.clear();
                    for (const auto& value : row) addValue(bytes, value);
                    hash.add(bytes);
                    ++rows;
                  });
  return {table.name, fromUtf8(decimal(rows)), fromUtf8(hash.hex())};
}

std::vector<TableRecord> recordedTables(SqliteBackend& copy) {
  std::vector<TableRecord> tables;
  const Text sql = u"SELECT name, \"rows\", digest FROM " + quotedSqlName(kTablesTable);
  for (const Row& row : rowsOf(copy, sql)) {
    tables.push_back({textAt(row, 0), textAt(row, 1), textAt(row, 2)});
  }
  return tables;
}

bool isRecordTable(const Text& name) {
  return name == kSourceTable || name == kTablesTable;
}

// The recorded table of an object of the copy; DatabaseError when there is none.
const TableRecord& recordOf(const std::vector<TableRecord>& recorded, const SchemaObject& object) {
  const auto found =
      std::find_if(recorded.begin(), recorded.end(),
                   [&object](const TableRecord& r) { return r.name == object.name; });
  if (object.type != u"table" || found == recorded.end()) {
    throw DatabaseError("it holds " + toUtf8(object.type) + " " + toUtf8(object.name) +
                        ", which it does not record");
  }
  return *found;
}

}  // namespace

std::string copySourceKey(const std::string& contentKey, const std::vector<std::string>& tables) {
  if (tables.empty()) return contentKey;
  ContentHash names;
  for (const std::string& table : tables) names.add(toUtf8(upper(fromUtf8(table))) + '\n');
  return contentKey + "-" + names.hex();
}

void recordCopy(SqliteBackend& copy, const std::string& sourceKey) {
  const std::vector<SchemaObject> tables = schemaOf(copy);
  copy.execute(u"CREATE TABLE " + quotedSqlName(kTablesTable) +
               u" (name TEXT, \"rows\" TEXT, digest TEXT)");
  copy.execute(u"CREATE TABLE " + quotedSqlName(kSourceTable) + u" (hash TEXT)");
  for (const SchemaObject& table : tables) {
    const TableRecord record = measure(copy, table);
    copy.insert(
        Text(kTablesTable),
        ColumnValues{{u"name", record.name}, {u"rows", record.rows}, {u"digest", record.digest}});
  }
  copy.insert(Text(kSourceTable), ColumnValues{{u"hash", fromUtf8(sourceKey)}});
}

std::string recordedSource(SqliteBackend& copy) {
  std::vector<Row> rows;
  try {
    rows = rowsOf(copy, u"SELECT hash FROM " + quotedSqlName(kSourceTable));
  } catch (const DatabaseError& error) {
    throw DatabaseError(std::string("it records no source: ") + error.what());
  }
  if (rows.size() != 1 || textAt(rows[0], 0).empty()) {
    throw DatabaseError("it records no source");
  }
  return toUtf8(textAt(rows[0], 0));
}

void checkCopy(SqliteBackend& copy, const std::string& sourceKey) {
  const std::string source = recordedSource(copy);
  if (source != sourceKey) throw DatabaseError("it was made from other content (" + source + ")");
  const std::vector<TableRecord> recorded = recordedTables(copy);
  const std::vector<SchemaObject> objects = schemaOf(copy);
  std::size_t checked = 0;
  for (const SchemaObject& object : objects) {
    if (isRecordTable(object.name)) continue;
    const TableRecord& record = recordOf(recorded, object);
    if (measure(copy, object) != record) {
      throw DatabaseError("table " + toUtf8(object.name) + " is not as it was written");
    }
    ++checked;
  }
  if (checked != recorded.size()) {
    throw DatabaseError("it holds " + decimal(static_cast<std::int64_t>(checked)) + " of the " +
                        decimal(static_cast<std::int64_t>(recorded.size())) + " tables it records");
  }
}

}  // namespace pillora
