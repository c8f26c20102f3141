// Arbitrary text as an OLE DB connection string, as "Rimora.config" and the settings give
// it: parsed, its keys read, and turned into the ODBC connection string of each kind of
// driver. No crash, no hang; a string that is refused is one of the system's own errors.
#include <cstddef>
#include <cstdint>

#include "common/db/connection_string.h"
#include "common/db/odbc_connection_string.h"
#include "common/text/attempt.h"
#include "common/text/textfile.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pillora;
  const Text text = decodeTextFile(fuzz::bytes(data, size));
  attempt([&] {
    const ConnectionSettings settings = ConnectionSettings::parse(text);
    for (const TextView key : {u"Provider", u"Data Source", u"Jet OLEDB:Database Password"}) {
      if (const auto value = settings.value(key)) isSqlServerProvider(*value);
    }
    for (const Text driver :
         {u"ODBC Driver 18 for SQL Server", u"FreeTDS", u"PostgreSQL Unicode"}) {
      attempt([&] { odbcConnectionString(settings, driver); });
    }
  });
  return 0;
}
