// The engines of this platform for the connection strings of common/db/backends.h.
#include "common/db/backends.h"

#include "common/db/connection_string.h"
#include "common/db/odbc_connection_string.h"
#include "common/text/errors.h"
#include "platform/db/jet_provider.h"
#include "platform/files/files.h"
#include "platform/odbc/odbc_backend.h"

namespace pillora {

namespace {

constexpr TextView kJetProvider = u"Microsoft.Jet.OLEDB.4.0";

std::unique_ptr<Backend> openSqlServerProvider(const ConnectionSettings& settings) {
  const Text driver =
      chooseOdbcDriver(fromUtf8(environmentValue("RIMORA_ODBC_DRIVER")), installedOdbcDrivers());
  return connectOdbc(odbcConnectionString(settings, driver));
}

}  // namespace

std::unique_ptr<Backend> openBackend(const Text& connectionString,
                                     std::vector<std::string>& warnings,
                                     const std::vector<std::string>& tables) {
  const ConnectionSettings settings = ConnectionSettings::parse(connectionString);
  const Text provider = settings.value(u"Provider").value_or(Text());
  if (equalsIgnoreCase(provider, kJetProvider)) return openJetProvider(settings, warnings, tables);
  if (isSqlServerProvider(provider)) return openSqlServerProvider(settings);
  if (provider.empty()) throw DatabaseError("the connection string names no Provider");
  throw DatabaseError("database provider not supported on this platform: " + toUtf8(provider));
}

}  // namespace pillora
