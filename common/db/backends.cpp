#include "common/db/backends.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>

#include "common/db/access_cache.h"
#include "common/db/connection_string.h"
#include "common/db/jet_password.h"
#include "common/db/odbc_connection_string.h"
#include "common/db/sqlite_backend.h"
#include "common/text/errors.h"
#include "platform/odbc/odbc_backend.h"

namespace pillora {

namespace {

constexpr TextView kJetProvider = u"Microsoft.Jet.OLEDB.4.0";
constexpr std::string_view kSqliteHeader("SQLite format 3\0", 16);

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
    return openAccessFile(path);
  }
  throw DatabaseError("not an Access or SQLite database file: " + path);
}

std::unique_ptr<Backend> openSqlServerProvider(const ConnectionSettings& settings) {
  const char* configured = std::getenv("RIMORA_ODBC_DRIVER");
  const Text driver = chooseOdbcDriver(
      configured != nullptr ? std::optional<Text>(fromUtf8(configured)) : std::nullopt,
      installedOdbcDrivers());
  return connectOdbc(odbcConnectionString(settings, driver));
}

}  // namespace

std::unique_ptr<Backend> openBackend(const Text& connectionString) {
  const ConnectionSettings settings = ConnectionSettings::parse(connectionString);
  const Text provider = settings.value(u"Provider").value_or(Text());
  if (equalsIgnoreCase(provider, kJetProvider)) return openJetProvider(settings);
  if (isSqlServerProvider(provider)) return openSqlServerProvider(settings);
  if (provider.empty()) throw DatabaseError("the connection string names no Provider");
  throw DatabaseError("database provider not supported on this platform: " + toUtf8(provider));
}

}  // namespace pillora
