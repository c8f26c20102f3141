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

// The drivers that read Access files on Windows: the Access Database Engine's (32-bit with
// Office, 64-bit only where its 64-bit edition is installed), and Jet 4.0's, which every
// 32-bit Windows program has and no 64-bit one can load.
inline constexpr TextView kAccessOdbcDriver = u"Microsoft Access Driver (*.mdb, *.accdb)";
inline constexpr TextView kJetOdbcDriver = u"Microsoft Access Driver (*.mdb)";

// The first of kAccessOdbcDriver and kJetOdbcDriver that `installed` lists (letter case
// ignored). DatabaseError naming the driver missing when it lists neither: for a 64-bit
// program the Access Database Engine's, with the word that the 32-bit package needs none.
Text chooseAccessOdbcDriver(const std::vector<Text>& installed, bool program64Bit);

// A Jet provider string ("Data Source=<file>;Jet OLEDB:Database Password=<password>") as an
// ODBC driver for files takes it: "Driver={<driver>};DBQ=<file>;PWD=<password>;", PWD left
// out without a password. The SQLite drivers (names starting with "SQLite", letter case
// ignored) name the file
// with "Database" instead of "DBQ". DatabaseError when the string names no Data Source.
Text odbcFileConnectionString(const ConnectionSettings& settings, const Text& driver);

}  // namespace pillora
