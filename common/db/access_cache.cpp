#include "common/db/access_cache.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <charconv>
#include <map>
#include <optional>
#include <random>
#include <string>

#include "common/db/access_copy.h"
#include "common/text/attempt.h"
#include "common/text/convert.h"
#include "common/text/errors.h"
#include "platform/files/files.h"
#include "platform/files/staged_file.h"
#include "platform/process/child_process.h"

namespace fs = std::filesystem;

namespace pillora {

namespace {

constexpr auto kReadTimeout = std::chrono::seconds(20);
constexpr const char* kReaderName = "pillora-access-copy";
// How long a noted failed read is believed: long enough that a damaged file does not make
// every job wait for the reader again, short enough that a failure of the moment (a machine
// too busy to read within the time limit) heals by itself.
constexpr auto kFailureBelieved = std::chrono::minutes(10);

std::string hex(std::uint64_t value) {
  std::array<char, 16> digits{};
  const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value, 16);
  return {digits.data(), result.ptr};
}

// FNV-1a: a stable short name for a long path.
std::uint64_t pathHash(const std::string& path) {
  std::uint64_t hash = 0xcbf29ce484222325ULL;
  for (const char c : path) {
    hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3ULL;
  }
  return hash;
}

// The copy's file name: the file's own part, then its size and modification time.
struct CopyName {
  std::string ofFile;  // shared by every copy of one Access file
  std::string full;
};

CopyName copyName(const fs::path& file) {
  std::error_code error;
  const fs::path absolute = fs::absolute(file, error);
  const auto size = fs::file_size(file, error);
  const auto modified = fs::last_write_time(file, error);
  if (error) throw DatabaseError("cannot read the Access database file " + file.string());
  const std::string ofFile = hex(pathHash(absolute.string())) + "-";
  const auto sinceEpoch = std::chrono::duration_cast<std::chrono::nanoseconds>(
      std::chrono::file_clock::to_sys(modified).time_since_epoch());
  return {ofFile, ofFile + decimal(static_cast<std::int64_t>(size)) + "-" +
                      decimal(sinceEpoch.count()) + ".sqlite"};
}

fs::path readerProgram() {
  const fs::path beside = executableFolder() / kReaderName;
  std::error_code error;
  return fs::is_regular_file(beside, error) ? beside : fs::path(PILLORA_ACCESS_COPY_BUILD_PATH);
}

std::string whyNotRead(const fs::path& file, const ChildOutcome& outcome) {
  // The reader's own message names the file and the reason.
  if (outcome.exitCode == kAccessCopyFailed && !outcome.lastErrorLine.empty()) {
    return outcome.lastErrorLine;
  }
  std::string reason =
      "the reader failed (exit status " + decimal(outcome.exitCode.value_or(-1)) + ")";
  if (outcome.timedOut)
    reason = "the reader took longer than " + decimal(kReadTimeout.count()) + " s";
  if (outcome.signal) reason = "the reader crashed (signal " + decimal(*outcome.signal) + ")";
  return "cannot read the Access database file " + file.string() + ": " + reason;
}

// Has the reader write the copy under a name of its own in folder; returns that name.
fs::path writeCopy(const fs::path& file, const fs::path& folder, const CopyName& name) {
  fs::path written = folder / (name.full + "." + hex(std::random_device()()) + ".tmp");
  const ChildOutcome outcome = runChild(readerProgram(), {file, written}, kReadTimeout);
  if (outcome.exitCode == 0) return written;
  std::error_code ignored;
  fs::remove(written, ignored);
  throw DatabaseError(whyNotRead(file, outcome));
}

// A failed read is noted beside the copies, so that later runs do not read (and wait for)
// the same damaged file at every job.
fs::path failureNote(const fs::path& folder, const CopyName& name) {
  return folder / (name.full + ".failed");
}

// The first line of a note: an ordinary file of its own, never a link, a pipe or a device.
std::optional<std::string> noteLine(const fs::path& note) {
  const int fd = ::open(note.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct stat status {};
  std::array<char, 4096> bytes{};
  ssize_t got = -1;
  if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) {
    got = ::read(fd, bytes.data(), bytes.size());
  }
  ::close(fd);
  if (got <= 0) return std::nullopt;
  const std::string_view text(bytes.data(), static_cast<std::size_t>(got));
  return std::string(text.substr(0, text.find('\n')));
}

// The reason noted by an earlier read of the unchanged file, while the note is recent.
std::optional<std::string> notedFailure(const fs::path& note) {
  std::error_code error;
  const fs::file_status status = fs::symlink_status(note, error);
  if (error || !fs::is_regular_file(status)) return std::nullopt;
  const auto noted = fs::last_write_time(note, error);
  if (error || fs::file_time_type::clock::now() - noted > kFailureBelieved) return std::nullopt;
  std::optional<std::string> reason = noteLine(note);
  if (!reason || reason->empty()) return std::nullopt;
  return reason;
}

void removeOlderCopies(const fs::path& folder, const CopyName& name) {
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const std::string entry = it->path().filename().string();
    const bool kept = entry.ends_with(".sqlite") || entry.ends_with(".failed");
    if (entry.starts_with(name.ofFile) && kept && !entry.starts_with(name.full)) {
      std::error_code ignored;
      fs::remove(it->path(), ignored);
    }
  }
}

std::unique_ptr<SqliteBackend> openCopy(const fs::path& copy, const fs::path& file) {
  auto backend = SqliteBackend::openReadOnly(copy.string());
  backend->refuseWrites("this platform reads Access database files but does not write them: " +
                        file.string());
  return backend;
}

// Without a cache folder: a copy in the temporary folder, gone once it is open. A failed read
// is remembered for as long as the process runs.
std::unique_ptr<SqliteBackend> openTemporaryCopy(const fs::path& file, const CopyName& name) {
  static std::map<std::string, std::string> failedReads;
  if (const auto failed = failedReads.find(name.full); failed != failedReads.end()) {
    throw DatabaseError(failed->second);
  }
  fs::path written;
  try {
    written = writeCopy(file, temporaryFolder(), name);
  } catch (const DatabaseError& failure) {
    failedReads.emplace(name.full, failure.what());
    throw;
  }
  auto backend = openCopy(written, file);
  std::error_code ignored;
  fs::remove(written, ignored);
  return backend;
}

// The copy in the cache folder, read now unless a recent read of the same file failed.
void keepCopy(const fs::path& file, const fs::path& folder, const CopyName& name) {
  const fs::path note = failureNote(folder, name);
  if (const auto noted = notedFailure(note)) throw DatabaseError(*noted);
  fs::path written;
  try {
    written = writeCopy(file, folder, name);
  } catch (const DatabaseError& failure) {
    // Written as a new file and renamed: a link under the note's name is not followed.
    attempt([&] {
      StagedFile(note, failure.what() + std::string("\n"), StagedFile::Access::Private)
          .moveReplacing(note);
    });
    throw;
  }
  std::error_code error;
  fs::rename(written, folder / name.full, error);
  if (error)
    throw DatabaseError("cannot keep the copy of " + file.string() + ": " + error.message());
  fs::remove(note, error);
  removeOlderCopies(folder, name);
}

}  // namespace

std::unique_ptr<SqliteBackend> openAccessFile(const fs::path& file) {
  const CopyName name = copyName(file);
  const fs::path folder = userCacheFolder() / "pillora";
  std::error_code error;
  fs::create_directories(folder, error);
  if (error) return openTemporaryCopy(file, name);
  const fs::path copy = folder / name.full;
  if (!fs::exists(copy, error)) keepCopy(file, folder, name);
  return openCopy(copy, file);
}

}  // namespace pillora
