// Where the program runs, as Linux tells it.
#include <cstdlib>
#include <filesystem>

#include "platform/files/files.h"

namespace fs = std::filesystem;

namespace pillora {

fs::path executableFolder() {
  std::error_code error;
  const fs::path exe = fs::read_symlink("/proc/self/exe", error);
  return error ? fs::current_path() : exe.parent_path();
}

std::string environmentValue(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

std::optional<Text> hostCommandLine() {
  return std::nullopt;
}

fs::path userCacheFolder() {
  if (const char* cache = std::getenv("XDG_CACHE_HOME"); cache != nullptr && *cache == '/') {
    return cache;
  }
  if (const char* home = std::getenv("HOME"); home != nullptr && *home == '/') {
    return fs::path(home) / ".cache";
  }
  return temporaryFolder();
}

}  // namespace pillora
