#pragma once
// An Access (Jet) database file copied into an SQLite database file: every user table (or
// those asked for) with its columns and rows, and the record of what the copy was made from
// (copy_record.h). Text
// columns compare ignoring letter case, as Jet compares. Only the helper program that reads
// Access files runs this: libmdb, which reads them, trusts the file it reads.
#include <string>
#include <vector>

#include "common/text/errors.h"

namespace pillora {

// The helper program's exit statuses when it could not copy; its last line on standard error
// then says why. Other statuses come from elsewhere (a sanitizer report, a usage error).
inline constexpr int kAccessCopyFailed = 3;      // the Access file could not be read
inline constexpr int kAccessCopyNotWritten = 4;  // the copy could not be written

// The copy could not be written (a full disk, a file that is not the empty one expected).
class CopyNotWritten : public FileError {
 public:
  using FileError::FileError;
};

// Copies the tables named in `tables`, every user table when it names none, into sqliteFile,
// an empty file made for the copy. DatabaseError or FileError when the Access file cannot be
// read whole or changed while it was read; CopyNotWritten when the copy cannot be written.
// Each message names its file.
void copyAccessFile(const std::string& accessFile, const std::string& sqliteFile,
                    const std::vector<std::string>& tables = {});

}  // namespace pillora
