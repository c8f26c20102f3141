#pragma once
// Where Rimora keeps its database. "Rimora.config" in Rimora's folder names it: a first
// line holding ".mdb" is the path of a Jet database file; any other first line makes the
// file a tagged one naming a SQL Server (tags "SQLNCLI", "IP" and "DB"). Without the file
// the database is "dbRimora.mdb" in Rimora's folder.
#include <filesystem>

#include "common/text/text.h"
#include "platform/files/file_store.h"

namespace pillora {

// The connection string for the Rimora folder. FileError when "Rimora.config" exists but
// cannot be read or holds no line.
Text rimoraConnectionString(const std::filesystem::path& rimoraFolder, const FileStore& files);

}  // namespace pillora
