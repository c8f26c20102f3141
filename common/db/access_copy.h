#pragma once
// An Access (Jet) database file copied into a new SQLite database file: every user table
// with its columns and rows. Text columns compare ignoring letter case, as Jet compares.
// Only the helper program that reads Access files runs this: libmdb, which reads them,
// trusts the file it reads.
#include <string>

namespace pillora {

// The helper program's exit status when it could not copy; its last line on standard error
// then says why. Other statuses come from elsewhere (a sanitizer report, a usage error).
inline constexpr int kAccessCopyFailed = 3;

// DatabaseError when the Access file cannot be read or the SQLite file exists already or
// cannot be written.
void copyAccessFile(const std::string& accessFile, const std::string& sqliteFile);

}  // namespace pillora
