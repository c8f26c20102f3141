#pragma once
// Access (Jet) files as this platform reads them: the helper program "pillora-access-copy",
// run as a child process with limits on its time and memory, copies the file into an SQLite
// file, and connections read that copy. A damaged file can crash or hang the reader, never
// the program that asked; libmdb's warnings stay in the child.
//
// The copies live in the user's cache folder, "pillora" below ${XDG_CACHE_HOME:-~/.cache},
// named by the Access file's absolute path, size and modification time: an unchanged file is
// read once, a changed one again, and a new copy replaces the older copies of the same file.
// Without a cache folder the copy goes to the temporary folder and lasts one connection.
// A file that could not be read is not read again while it stays unchanged: for ten minutes,
// noted beside the copies (later runs believe the note too), or, without a cache folder, for
// as long as the process runs.
#include <filesystem>
#include <memory>

#include "common/db/sqlite_backend.h"

namespace pillora {

// The copy of the file, opened for reading only: every statement that would change it fails.
// DatabaseError with one line saying why when the file cannot be read.
std::unique_ptr<SqliteBackend> openAccessFile(const std::filesystem::path& file);

}  // namespace pillora
