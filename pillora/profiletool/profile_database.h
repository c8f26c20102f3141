#pragma once
// The drug-profile database file: table tblDrugBag with the drug code and the seven text
// columns of kProfileColumns, every column text that compares ignoring letter case.
#include <string>
#include <vector>

#include "pillora/profiletool/profile_csv.h"

namespace pillora {

// Writes a database file in SQLite format, built in full under a name of its own beside
// `path` and then given its name: a failed build leaves no file and an existing database as
// it was. DatabaseError when it cannot be written, or when `path` exists and is not to be
// replaced.
void buildProfileDatabase(const std::vector<ProfileRow>& rows, const std::string& path,
                          bool replace = false);

// The rows of a profile database in Access (Jet) or SQLite format, in stored order. An Access
// file that keeps a database password opens only with that password; SQLite files have none.
// DatabaseError naming the file when it cannot be opened. The open's warnings
// (common/db/backends.h) are added to warnings.
std::vector<ProfileRow> readProfileDatabase(const std::string& path, const Text& password,
                                            std::vector<std::string>& warnings);

}  // namespace pillora
