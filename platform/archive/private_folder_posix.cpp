#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "common/text/errors.h"
#include "common/text/text.h"
#include "platform/archive/archive_store.h"

namespace pillora {

void makePrivateFolders(const std::filesystem::path& folder) {
  std::filesystem::path path;
  for (const std::filesystem::path& part : folder) {
    path /= part;
    if (::mkdir(path.c_str(), S_IRWXU) != 0 && errno != EEXIST) {
      throw FileError("cannot make the folder " + pathToUtf8(path) + ": " + std::strerror(errno));
    }
  }
  if (!std::filesystem::is_directory(folder)) {
    throw FileError("cannot make the folder " + pathToUtf8(folder) + ": " + std::strerror(ENOTDIR));
  }
}

}  // namespace pillora
