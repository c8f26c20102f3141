#include "pillora/profiletool/profile_database.h"

#include <filesystem>
#include <limits>
#include <random>

#include "common/db/backends.h"
#include "common/db/sqlite_backend.h"
#include "platform/files/files.h"

namespace fs = std::filesystem;

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

// The built file takes its name: replacing a file of that name, or only when there is none.
std::error_code giveName(const fs::path& built, const fs::path& target, bool replace) {
  std::error_code error;
  if (replace) {
    fs::rename(built, target, error);
  } else {
    fs::create_hard_link(built, target, error);
    std::error_code ignored;  // the database is in place; the other name is only left over
    if (!error) fs::remove(built, ignored);
  }
  return error;
}

}  // namespace

void buildProfileDatabase(const std::vector<ProfileRow>& rows, const std::string& path,
                          bool replace) {
  const fs::path target = pathFromUtf8(path);
  std::error_code error;
  if (!replace && fs::exists(fs::symlink_status(target, error))) {
    throw DatabaseError(path + " exists already; give --force to replace it");
  }
  const fs::path building =
      target.parent_path() / pathFromUtf8("." + pathToUtf8(target.filename()) + ".building-" +
                                          std::to_string(std::random_device()()));
  try {
    writeRows(*SqliteBackend::createFile(pathToUtf8(building)), rows);
    error = giveName(building, target, replace);
    if (error) throw DatabaseError(error.message());
  } catch (const DatabaseError& failure) {
    fs::remove(building, error);
    throw DatabaseError("cannot write the database " + path + ": " + failure.what());
  }
}

std::vector<ProfileRow> readProfileDatabase(const std::string& path, const Text& password,
                                            std::vector<std::string>& warnings) {
  if (const auto problem = unreadableFileReason(path)) {
    throw DatabaseError("cannot open the database " + path + ": " + *problem);
  }
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
