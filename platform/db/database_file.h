#pragma once
// A database file named by a connection string, checked before an engine or driver gets it:
// they would only say that they cannot open it.
#include <string>

namespace pillora {

// DatabaseError when path names no ordinary file that can be read: "database file not
// found: <path>" when nothing is there, else "cannot read the database file <path>: <the
// system's reason>" (a folder, a file without read permission, a device).
void requireReadableDatabaseFile(const std::string& path);

}  // namespace pillora
