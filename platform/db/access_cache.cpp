#include "platform/db/access_cache.h"

#include <map>
#include <optional>

#include "common/db/access_copy.h"
#include "common/db/content_hash.h"
#include "common/db/copy_record.h"
#include "common/text/errors.h"
#include "platform/db/access_reader.h"
#include "platform/db/copy_folders.h"
#include "platform/files/files.h"

namespace fs = std::filesystem;

namespace pillora {

namespace {

std::string contentKey(const fs::path& file) {
  try {
    return fileContentHash(file.string());
  } catch (const FileError& error) {  // names the file and the system's reason
    throw DatabaseError(error.what());
  }
}

// A copy opened for reading and checked against the content key of the file's bytes.
// DatabaseError saying what is wrong with it.
std::unique_ptr<SqliteBackend> openChecked(const fs::path& copy, const fs::path& file,
                                           const std::string& key) {
  auto backend = SqliteBackend::openReadOnly(copy.string());
  checkCopy(*backend, key);
  backend->refuseWrites("this platform reads Access database files but does not write them: " +
                        file.string());
  return backend;
}

// A copy the reader has just written, checked; DatabaseError naming the file when it does not
// hold the file's present bytes (the file changed while it was read).
std::unique_ptr<SqliteBackend> openNewCopy(const fs::path& copy, const fs::path& file,
                                           const std::string& key) {
  try {
    return openChecked(copy, file, key);
  } catch (const DatabaseError& error) {
    throw DatabaseError("the copy of the Access database file " + file.string() +
                        " just made fails its check: " + error.what());
  }
}

// The kept copy of the file's bytes; nothing when there is none or it fails its check (then
// it is deleted, with a warning).
std::unique_ptr<SqliteBackend> openKeptCopy(const CacheFolder& cache, const fs::path& file,
                                            const std::string& key,
                                            std::vector<std::string>& warnings) {
  std::error_code error;
  if (!fs::exists(cache.copy(), error)) return nullptr;
  try {
    return openChecked(cache.copy(), file, key);
  } catch (const DatabaseError& failure) {
    warnings.push_back("the copy " + cache.copy().string() + " of the Access database file " +
                       file.string() + " fails its check (" + failure.what() +
                       "): it is made again");
  }
  fs::remove(cache.copy(), error);
  return nullptr;
}

// Removes a file at the end of the scope, unless it has been renamed.
class TemporaryFile {
 public:
  explicit TemporaryFile(fs::path file) : m_file(std::move(file)) {}
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    std::error_code ignored;
    fs::remove(m_file, ignored);
  }
  const fs::path& path() const { return m_file; }

 private:
  fs::path m_file;
};

// The file read into the cache folder. Nothing when the folder cannot take the copy: the
// reason, naming the file or folder, is then in `unwritable`.
std::unique_ptr<SqliteBackend> readIntoCache(const CacheFolder& cache, const fs::path& file,
                                             const std::string& key,
                                             const std::vector<std::string>& tables,
                                             std::string& unwritable) {
  if (const auto noted = cache.notedFailure()) throw DatabaseError(*noted);
  cache.removeStaleTemporaries();
  std::optional<TemporaryFile> temporary;
  try {
    temporary.emplace(cache.newTemporary());
    readAccessFile(file, temporary->path(), tables);
  } catch (const FileError& failure) {  // the folder's fault, not the Access file's
    unwritable = failure.what();
    return nullptr;
  } catch (const DatabaseError& failure) {
    cache.noteFailure(failure.what());
    throw;
  }
  auto backend = openNewCopy(temporary->path(), file, key);
  try {
    cache.keep(temporary->path());
  } catch (const FileError& failure) {
    unwritable = failure.what();
    return nullptr;
  }
  return backend;
}

// The file read into a private folder of the job's own, gone once the copy is open. A failed
// read is remembered for as long as the process runs.
std::unique_ptr<SqliteBackend> openPrivateCopy(const fs::path& file, const std::string& key,
                                               const std::vector<std::string>& tables) {
  static std::map<std::string, std::string> failedReads;
  if (const auto failed = failedReads.find(key); failed != failedReads.end()) {
    throw DatabaseError(failed->second);
  }
  try {
    const PrivateFolder folder;
    const fs::path copy = folder.newTemporary();
    readAccessFile(file, copy, tables);
    return openNewCopy(copy, file, key);
  } catch (const FileError& failure) {
    throw DatabaseError(failure.what());
  } catch (const DatabaseError& failure) {
    failedReads.emplace(key, failure.what());
    throw;
  }
}

}  // namespace

std::unique_ptr<SqliteBackend> openAccessFile(const fs::path& file,
                                              std::vector<std::string>& warnings,
                                              const std::vector<std::string>& tables) {
  const std::string key = copySourceKey(contentKey(file), tables);
  const CacheFolder cache(userCacheFolder() / "pillora", file, key);
  std::error_code error;
  fs::create_directories(cache.path(), error);
  std::string unwritable = "cannot make " + cache.path().string() + ": " + error.message();
  if (!error) {
    if (auto kept = openKeptCopy(cache, file, key, warnings)) return kept;
    if (auto read = readIntoCache(cache, file, key, tables, unwritable)) return read;
  }
  warnings.push_back("the cache folder cannot take the copy of the Access database file " +
                     file.string() + " (" + unwritable +
                     "): this job reads it into a private temporary copy");
  return openPrivateCopy(file, key, tables);
}

}  // namespace pillora
