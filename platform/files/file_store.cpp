#include "platform/files/file_store.h"

#include <unistd.h>

#include <atomic>
#include <system_error>

#include "common/text/convert.h"
#include "common/text/errors.h"
#include "platform/files/files.h"

namespace fs = std::filesystem;

namespace pillora {

namespace {

[[noreturn]] void fail(const std::string& what, const fs::path& path,
                       const std::error_code& error) {
  throw FileError("cannot " + what + " " + path.string() + ": " + error.message());
}

// ".<name>.tmp-<process>-<n>" beside the file it will become.
fs::path temporaryNameBeside(const fs::path& to) {
  static std::atomic<std::int64_t> counter{0};
  return to.parent_path() /
         ("." + to.filename().string() + ".tmp-" + decimal(getpid()) + "-" + decimal(++counter));
}

}  // namespace

bool FileStore::isFolder(const fs::path& path) const {
  std::error_code error;
  return fs::is_directory(path, error);
}

bool FileStore::isFile(const fs::path& path) const {
  std::error_code error;
  return fs::is_regular_file(path, error);
}

void FileStore::makeFolder(const fs::path& path) {
  std::error_code error;
  if (!fs::create_directory(path, error) && error) fail("create the folder", path, error);
}

void FileStore::remove(const fs::path& path) {
  std::error_code error;
  if (!fs::remove(path, error) && error) fail("delete", path, error);
}

fs::path FileStore::stageCopy(const fs::path& from, const fs::path& to) {
  fs::path staged = temporaryNameBeside(to);
  std::error_code error;
  if (!isFile(from)) fail("copy", from, std::make_error_code(std::errc::no_such_file_or_directory));
  if (!fs::copy_file(from, staged, error)) {
    std::error_code ignored;
    fs::remove(staged, ignored);
    fail("copy to", staged, error);
  }
  return staged;
}

void FileStore::rename(const fs::path& staged, const fs::path& to) {
  std::error_code error;
  fs::rename(staged, to, error);
  if (error) fail("replace", to, error);
}

std::optional<fs::path> FileStore::setAside(const fs::path& path) {
  std::error_code error;
  if (!fs::exists(fs::symlink_status(path, error))) return std::nullopt;
  fs::path aside = temporaryNameBeside(path);
  rename(path, aside);
  return aside;
}

void FileStore::copyReplacing(const fs::path& from, const fs::path& to) {
  const fs::path staged = stageCopy(from, to);
  try {
    rename(staged, to);
  } catch (const FileError&) {
    std::error_code ignored;
    fs::remove(staged, ignored);
    throw;
  }
}

fs::path FileStore::entryIgnoringCase(const fs::path& folder, const fs::path& name) {
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    if (findNameIgnoreCase({it->path().filename().string()}, name.string())) return it->path();
  }
  return folder / name;
}

}  // namespace pillora
