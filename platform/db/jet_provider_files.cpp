// The Jet provider on Linux: SQLite files opened as they are, Access files read into an
// SQLite copy.
#include <algorithm>
#include <fstream>
#include <string>

#include "common/db/jet_password.h"
#include "common/db/sqlite_backend.h"
#include "common/text/errors.h"
#include "platform/db/access_cache.h"
#include "platform/db/database_file.h"
#include "platform/db/jet_provider.h"

namespace pillora {

namespace {

constexpr std::string_view kSqliteHeader("SQLite format 3\0", 16);

std::string fileHead(const std::string& path) {
  requireReadableDatabaseFile(path);
  std::ifstream file(pathFromUtf8(path), std::ios::binary);
  if (!file) throw DatabaseError("cannot read the database file " + path);
  std::string head(std::max({kJetHeaderSize, kJetPasswordHeaderSize, kSqliteHeader.size()}), '\0');
  file.read(head.data(), static_cast<std::streamsize>(head.size()));
  head.resize(static_cast<size_t>(file.gcount()));
  return head;
}

}  // namespace

std::unique_ptr<Backend> openJetProvider(const ConnectionSettings& settings,
                                         std::vector<std::string>& warnings,
                                         const std::vector<std::string>& tables) {
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
    return openAccessFile(path, warnings, tables);
  }
  throw DatabaseError("not an Access or SQLite database file: " + path);
}

}  // namespace pillora
