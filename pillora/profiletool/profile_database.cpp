#include "pillora/profiletool/profile_database.h"

#include <filesystem>
#include <limits>

#include "common/db/backends.h"
#include "common/db/sqlite_backend.h"

namespace pillora {

namespace {

constexpr TextView kTable = u"tblDrugBag";

Text columnList(const Text& eachAfter) {
  Text list;
  for (const char16_t* column : kProfileColumns) {
    list += (list.empty() ? u"" : u", ") + quotedSqlName(column) + eachAfter;
  }
  return list;
}

void writeRows(SqliteBackend& database, const std::vector<ProfileRow>& rows) {
  database.execute(u"CREATE TABLE " + Text(kTable) + u" (" + columnList(u" TEXT COLLATE NOCASE") +
                   u")");
  database.execute(u"BEGIN");
  for (const ProfileRow& row : rows) {
    ColumnValues values;
    for (size_t i = 0; i < row.size(); ++i) {
      values.emplace_back(kProfileColumns[i], row[i] ? FieldValue(*row[i]) : FieldValue());
    }
    database.insert(Text(kTable), values);
  }
  database.execute(u"COMMIT");
}

}  // namespace

void buildProfileDatabase(const std::vector<ProfileRow>& rows, const std::string& path) {
  std::unique_ptr<SqliteBackend> database = SqliteBackend::createFile(path);
  try {
    writeRows(*database, rows);
  } catch (const DatabaseError&) {
    database.reset();
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    throw;
  }
}

std::vector<ProfileRow> readProfileDatabase(const std::string& path, const Text& password,
                                            std::vector<std::string>& warnings) {
  const auto quoted = [](const Text& value) {
    return u"\"" + replaceAll(value, u"\"", u"\"\"") + u"\"";
  };
  const std::unique_ptr<Backend> database =
      openBackend(u"Provider=Microsoft.Jet.OLEDB.4.0;Jet OLEDB:Database Password=" +
                      quoted(password) + u";Data Source=" + quoted(fromUtf8(path)),
                  warnings);
  QueryResult result = database->query(u"SELECT " + columnList(Text()) + u" FROM " + Text(kTable),
                                       std::numeric_limits<std::size_t>::max());
  std::vector<ProfileRow> rows;
  for (Row& values : result.rows) {
    ProfileRow& row = rows.emplace_back();
    std::move(values.begin(), values.end(), row.begin());
  }
  return rows;
}

}  // namespace pillora
