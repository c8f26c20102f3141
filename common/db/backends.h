#pragma once
// The engine for a connection string, chosen by its provider.
//
// Jet provider ("Microsoft.Jet.OLEDB.4.0", letter case ignored): the file named by
// "Data Source" decides by its own format. An SQLite database file is opened for reading
// and writing. An Access (Jet) database file is read whole into an SQLite copy of its tables
// (access_cache.h), where the SQL runs; its text columns compare ignoring letter case as Jet
// does, and every statement that would change it fails, since this platform reads Access
// files but does not write them. An Access file that keeps a database password opens only
// with that password ("Jet OLEDB:Database Password"); SQLite files have none.
//
// SQL Server provider ("SQLNCLI" with any version suffix, letter case ignored): the
// database is reached through the ODBC driver manager, with the driver and connection
// string of odbc_connection_string.h.
//
// Any other provider fails to open.
#include <memory>

#include "common/db/backend.h"

namespace pillora {

// DatabaseError when the string is malformed, the provider unknown, the file missing or
// unreadable, or the server refuses the connection.
std::unique_ptr<Backend> openBackend(const Text& connectionString);

}  // namespace pillora
