#include <system_error>

#include "common/text/errors.h"
#include "common/text/text.h"
#include "platform/archive/archive_store.h"

namespace pillora {

// Folders under the user's profile inherit the user's own permissions.
void makePrivateFolders(const std::filesystem::path& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error || !std::filesystem::is_directory(folder)) {
    throw FileError("cannot make the folder " + pathToUtf8(folder) + ": " + error.message());
  }
}

}  // namespace pillora
