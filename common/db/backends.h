#pragma once
// The engine for a connection string, chosen by its provider. The platform provides the
// engines: platform/db defines openBackend for each operating system.
//
// Jet provider ("Microsoft.Jet.OLEDB.4.0", letter case ignored): the file named by
// "Data Source" decides by its own format. An SQLite database file is opened for reading
// and writing. An Access (Jet) database file is read whole into an SQLite copy of its tables
// (platform/db/access_cache.h), where the SQL runs; its text columns compare ignoring letter case
// as Jet does, and every statement that would change it fails, since this platform reads Access
// files but does not write them. An Access file that keeps a database password opens only
// with that password ("Jet OLEDB:Database Password"); SQLite files have none.
//
// SQL Server provider ("SQLNCLI" with any version suffix, letter case ignored): the
// database is reached through the ODBC driver manager, with the driver and connection
// string of odbc_connection_string.h.
//
// Any other provider fails to open.
#include <memory>
#include <string>
#include <vector>

#include "common/db/backend.h"

namespace pillora {

// DatabaseError when the string is malformed, the provider unknown, the file missing or
// unreadable, or the server refuses the connection. What the open has to say without failing
// (a damaged copy of an Access file made again, a private copy for a cache folder that
// cannot be written) is added to warnings, one line each naming its file. When `tables` names
// the only tables the caller reads, an Access file read into a copy is read for those alone.
std::unique_ptr<Backend> openBackend(const Text& connectionString,
                                     std::vector<std::string>& warnings,
                                     const std::vector<std::string>& tables = {});

}  // namespace pillora
