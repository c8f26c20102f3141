#include "platform/files/files.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace pillora {

namespace {

char lowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameNameIgnoreCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return lowerAscii(x) == lowerAscii(y);
         });
}

bool isRegular(const fs::path& path) {
  std::error_code error;
  return fs::is_regular_file(path, error);
}

}  // namespace

std::string programFolder(const char* overrideVariable) {
  if (const char* home = std::getenv(overrideVariable); home != nullptr && *home != '\0') {
    std::string folder(home);
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder;
  }
  return executableFolder().string();
}

fs::path executableFolder() {
  std::error_code error;
  const fs::path exe = fs::read_symlink("/proc/self/exe", error);
  return error ? fs::current_path() : exe.parent_path();
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

std::string joinPath(std::string_view folder, std::string_view name) {
  while (!name.empty() && (name.front() == '\\' || name.front() == '/')) name.remove_prefix(1);
  std::string path(folder);
  if (path.empty() || path.back() != '/') path += '/';
  return path.append(name);
}

std::optional<std::string> findOrdinaryFileIgnoreCase(const std::string& folder,
                                                      std::string_view name) {
  const std::string exact = joinPath(folder, name);
  if (isRegular(exact)) return exact;
  while (!name.empty() && (name.front() == '\\' || name.front() == '/')) name.remove_prefix(1);
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    if (sameNameIgnoreCase(it->path().filename().string(), name) && isRegular(it->path())) {
      return it->path().string();
    }
  }
  return std::nullopt;
}

bool ordinaryFileExists(const std::string& path) {
  return isRegular(path);
}

bool isReadableFile(const std::string& path) {
  return std::ifstream(path).is_open();
}

std::string temporaryFolder() {
  std::error_code error;
  const fs::path temp = fs::temp_directory_path(error);
  return error ? std::string("/tmp") : temp.string();
}

}  // namespace pillora
