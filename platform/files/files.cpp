#include "platform/files/files.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "common/text/text.h"

namespace fs = std::filesystem;

namespace pillora {

namespace {

char lowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool isRegular(const std::string& path) {
  std::error_code error;
  return fs::is_regular_file(pathFromUtf8(path), error);
}

bool sameNameIgnoreCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return lowerAscii(x) == lowerAscii(y);
         });
}

}  // namespace

std::string programFolder(const char* overrideVariable) {
  if (std::string folder = environmentValue(overrideVariable); !folder.empty()) {
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder;
  }
  return pathToUtf8(executableFolder());
}

std::string joinPath(std::string_view folder, std::string_view name) {
  constexpr auto kSeparator = static_cast<char>(fs::path::preferred_separator);
  while (!name.empty() && (name.front() == '\\' || name.front() == '/')) name.remove_prefix(1);
  std::string path(folder);
  if (path.empty() || (path.back() != '/' && path.back() != kSeparator)) path += kSeparator;
  return path.append(name);
}

std::vector<std::string> ordinaryFileNames(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code error;
  for (fs::directory_iterator it(pathFromUtf8(folder), error), end; !error && it != end;
       it.increment(error)) {
    std::error_code notRegular;
    if (it->is_regular_file(notRegular)) names.push_back(pathToUtf8(it->path().filename()));
  }
  return names;
}

std::optional<std::string> findNameIgnoreCase(const std::vector<std::string>& names,
                                              std::string_view name) {
  while (!name.empty() && (name.front() == '\\' || name.front() == '/')) name.remove_prefix(1);
  const auto found = std::find_if(names.begin(), names.end(), [name](const std::string& candidate) {
    return sameNameIgnoreCase(candidate, name);
  });
  return found == names.end() ? std::nullopt : std::optional<std::string>(*found);
}

std::optional<std::string> findOrdinaryFileIgnoreCase(const std::string& folder,
                                                      std::string_view name) {
  const std::string exact = joinPath(folder, name);
  if (isRegular(exact)) return exact;
  const auto found = findNameIgnoreCase(ordinaryFileNames(folder), name);
  return found ? std::optional<std::string>(joinPath(folder, *found)) : std::nullopt;
}

bool ordinaryFileExists(const std::string& path) {
  return isRegular(path);
}

std::optional<std::string> unreadableFileReason(const std::string& path) {
  std::error_code error;
  const fs::file_status status = fs::status(pathFromUtf8(path), error);
  if (error) return error.message();
  if (fs::is_directory(status)) return std::make_error_code(std::errc::is_a_directory).message();
  if (!fs::is_regular_file(status)) return "not an ordinary file (a device, pipe or socket)";
  errno = 0;
  if (std::ifstream(pathFromUtf8(path)).is_open()) return std::nullopt;
  return errno != 0 ? std::generic_category().message(errno) : "it cannot be opened";
}

std::string temporaryFolder() {
  std::error_code error;
  const fs::path temp = fs::temp_directory_path(error);
  return error ? std::string("/tmp") : pathToUtf8(temp);
}

Text afterProgramName(TextView commandLine) {
  std::size_t end = 0;
  if (!commandLine.empty() && commandLine.front() == u'"') {
    end = commandLine.find(u'"', 1);
    end = end == TextView::npos ? commandLine.size() : end + 1;
  } else {
    end = std::min(commandLine.find_first_of(kSpaceAndTab), commandLine.size());
  }
  while (end < commandLine.size() && commandLine[end] == u' ') ++end;
  return Text(commandLine.substr(end));
}

}  // namespace pillora
