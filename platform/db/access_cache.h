#pragma once
// Access (Jet) files as this platform reads them: an SQLite copy made by the reader
// (access_reader.h) and kept in the user's cache folder (copy_folders.h), keyed by the
// content of the file's bytes: an unchanged file is read once; a replaced one, whatever its
// size and modification time, is read again.
//
// A copy is checked when it is opened (common/db/copy_record.h): one that is empty, cut
// short, damaged or made from other bytes is deleted and made again, with a warning naming
// it. A file that could not be read is not read again while its bytes stay the same: for ten
// minutes, noted beside the copies (later runs believe the note too). When the cache folder
// cannot be made or written the job reads the file into a private temporary copy, with a
// warning naming the folder; a failed read is then remembered for as long as the process runs.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "common/db/sqlite_backend.h"

namespace pillora {

// The copy of the file, opened for reading only: every statement that would change it fails.
// It holds the tables named in `tables` (letter case ignored), every user table when it names
// none; a copy of some tables is kept apart from one of others. DatabaseError with one line
// saying why when the file cannot be read. Warnings (a copy made again, a private copy) are
// added to warnings.
std::unique_ptr<SqliteBackend> openAccessFile(const std::filesystem::path& file,
                                              std::vector<std::string>& warnings,
                                              const std::vector<std::string>& tables = {});

}  // namespace pillora
