#pragma once
// The Jet provider ("Microsoft.Jet.OLEDB.4.0") of this platform, as common/db/backends.h describes
// it: on Linux the file's own format decides (SQLite, or an Access file read into an SQLite
// copy); on Windows every file goes to an ODBC driver (odbcFileConnectionString), the Access
// driver unless PILLORA_ODBC_DRIVER names another.
#include <memory>
#include <string>
#include <vector>

#include "common/db/backend.h"
#include "common/db/connection_string.h"

namespace pillora {

// DatabaseError when the string names no Data Source, the file is missing or unreadable, or
// the engine refuses it. Warnings and tables as openBackend takes them.
std::unique_ptr<Backend> openJetProvider(const ConnectionSettings& settings,
                                         std::vector<std::string>& warnings,
                                         const std::vector<std::string>& tables);

}  // namespace pillora
