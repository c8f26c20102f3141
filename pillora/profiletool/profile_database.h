#pragma once
// The drug-profile database file: table tblDrugBag with the drug code and the seven text
// columns of kProfileColumns, every column text that compares ignoring letter case.
#include <string>
#include <vector>

#include "pillora/profiletool/profile_csv.h"

namespace pillora {

// Writes a new database file in SQLite format. DatabaseError when the file exists or
// cannot be written; a file left half-written is removed.
void buildProfileDatabase(const std::vector<ProfileRow>& rows, const std::string& path);

// The rows of a profile database in Access (Jet) or SQLite format, in stored order. An Access
// file that keeps a database password opens only with that password; SQLite files have none.
// The open's warnings (common/db/backends.h) are added to warnings.
std::vector<ProfileRow> readProfileDatabase(const std::string& path, const Text& password,
                                            std::vector<std::string>& warnings);

}  // namespace pillora
