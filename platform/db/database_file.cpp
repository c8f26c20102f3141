#include "platform/db/database_file.h"

#include <filesystem>

#include "common/text/errors.h"
#include "common/text/text.h"
#include "platform/files/files.h"

namespace pillora {

void requireReadableDatabaseFile(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::exists(pathFromUtf8(path), error)) {
    throw DatabaseError("database file not found: " + path);
  }
  if (const auto problem = unreadableFileReason(path)) {
    throw DatabaseError("cannot read the database file " + path + ": " + *problem);
  }
}

}  // namespace pillora
