#pragma once
// Databases reached through the ODBC driver manager (SQL Server, and any other database an
// ODBC driver reaches), behind a connection like every other engine (common/db/backend.h).
#include <memory>
#include <vector>

#include "common/db/backend.h"

namespace pillora {

// Connects with an ODBC connection string ("Driver={...};Server=...;..."), giving up after
// a bounded wait for the server. DatabaseError with the driver's message when it cannot.
std::unique_ptr<Backend> connectOdbc(const Text& connectionString);

// The names of the drivers the driver manager knows.
std::vector<Text> installedOdbcDrivers();

}  // namespace pillora
