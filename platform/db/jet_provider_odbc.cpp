// The Jet provider on Windows: the file through an ODBC driver.
#include "common/db/odbc_connection_string.h"
#include "common/text/errors.h"
#include "platform/db/database_file.h"
#include "platform/db/jet_provider.h"
#include "platform/files/files.h"
#include "platform/odbc/odbc_backend.h"

namespace pillora {

// The driver reads the file itself: nothing to warn of here, nothing to leave unread.
std::unique_ptr<Backend> openJetProvider(const ConnectionSettings& settings,
                                         std::vector<std::string>& /*warnings*/,
                                         const std::vector<std::string>& /*tables*/) {
  const Text file = settings.value(u"Data Source").value_or(Text());
  // The driver would only say that it cannot connect.
  if (!file.empty()) requireReadableDatabaseFile(toUtf8(file));
  const std::string configured = environmentValue("PILLORA_ODBC_DRIVER");
  const Text driver = configured.empty()
                          ? chooseAccessOdbcDriver(installedOdbcDrivers(), sizeof(void*) == 8)
                          : fromUtf8(configured);
  return connectOdbc(odbcFileConnectionString(settings, driver));
}

}  // namespace pillora
