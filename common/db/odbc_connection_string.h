#pragma once
// SQL Server connection strings ("Provider=SQLNCLI11;Data Source=...;User ID=...;
// Password=...;Initial Catalog=...") as an ODBC driver takes them.
//
// The driver is the one named by RIMORA_ODBC_DRIVER; without it, "ODBC Driver 18 for SQL
// Server" when the driver manager has it, else "FreeTDS". The keys follow the driver:
//   ODBC Driver 18:  Server=host[,port];Database;UID;PWD;Encrypt=no (the SQL Server
//                    provider did not encrypt either, and pharmacy servers have no
//                    certificate a client could check)
//   any other:       Server=host;Port=port;Database;UID;PWD, and for FreeTDS also
//                    TDS_Version=7.3;ClientCharset=UTF-8 (the oldest protocol that carries
//                    dates and Unicode text the way the programs need)
// Keys the OLE DB string leaves out or leaves empty (other than Data Source) are left out,
// so the driver's defaults apply. A value holding ";", "{", "}", "=" or outer blanks is
// braced, "}" inside doubled.
#include <optional>
#include <vector>

#include "common/db/connection_string.h"
#include "common/text/text.h"

namespace pillora {

// "SQLNCLI" alone or followed by a version ("SQLNCLI10", "SQLNCLI11", "SQLNCLI10.1"),
// letter case ignored.
bool isSqlServerProvider(TextView provider);

// configured: the value of RIMORA_ODBC_DRIVER (nothing or empty when unset); installed:
// the drivers the driver manager knows.
Text chooseOdbcDriver(const std::optional<Text>& configured, const std::vector<Text>& installed);

// DatabaseError when the string names no Data Source or its port is not a number.
Text odbcConnectionString(const ConnectionSettings& settings, const Text& driver);

// The driver that reads Access files on Windows.
inline constexpr TextView kAccessOdbcDriver = u"Microsoft Access Driver (*.mdb, *.accdb)";

// A Jet provider string ("Data Source=<file>;Jet OLEDB:Database Password=<password>") as an
// ODBC driver for files takes it: "Driver={<driver>};DBQ=<file>;PWD=<password>;", PWD left
// out without a password. The SQLite drivers (names starting with "SQLite", letter case
// ignored) name the file
// with "Database" instead of "DBQ". DatabaseError when the string names no Data Source.
Text odbcFileConnectionString(const ConnectionSettings& settings, const Text& driver);

}  // namespace pillora
