#include "platform/db/copy_folders.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <random>

#include "common/db/content_hash.h"
#include "common/text/attempt.h"
#include "common/text/errors.h"
#include "platform/db/access_reader.h"
#include "platform/files/files.h"
#include "platform/files/staged_file.h"

namespace fs = std::filesystem;

namespace pillora {

namespace {

constexpr auto kFailureBelieved = std::chrono::minutes(10);
constexpr std::string_view kTemporaryEnd = ".tmp";
constexpr std::size_t kNoteMostBytes = 4096;

std::string systemReason() {
  return std::strerror(errno);
}

std::string randomHex() {
  std::array<char, 16> digits{};
  const auto result =
      std::to_chars(digits.data(), digits.data() + digits.size(), std::random_device()(), 16);
  return {digits.data(), result.ptr};
}

// A new empty file of this user alone; never an existing file or a link.
fs::path newEmptyFile(const fs::path& folder, const std::string& name) {
  fs::path file = folder / name;
  const int fd = open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) throw FileError("cannot write in " + folder.string() + ": " + systemReason());
  close(fd);
  return file;
}

// Flushes a file or a folder to disk.
void flush(const fs::path& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
  const bool flushed = fd >= 0 && fsync(fd) == 0;
  const std::string reason = systemReason();
  if (fd >= 0) close(fd);
  if (!flushed) throw FileError("cannot flush " + path.string() + " to disk: " + reason);
}

// The first line of a note: an ordinary file of its own, never a link, a pipe or a device.
std::optional<std::string> noteLine(const fs::path& note) {
  const int fd = open(note.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct stat status {};
  std::array<char, kNoteMostBytes> bytes{};
  ssize_t got = -1;
  if (fstat(fd, &status) == 0 && S_ISREG(status.st_mode))
    got = read(fd, bytes.data(), bytes.size());
  close(fd);
  if (got <= 0) return std::nullopt;
  const std::string_view text(bytes.data(), static_cast<std::size_t>(got));
  return std::string(text.substr(0, text.find('\n')));
}

std::string pathKey(const fs::path& file) {
  std::error_code ignored;
  ContentHash key;
  key.add(fs::absolute(file, ignored).string());
  return key.hex();
}

}  // namespace

CacheFolder::CacheFolder(fs::path folder, const fs::path& file, const std::string& key)
    : m_folder(std::move(folder)), m_ofFile(pathKey(file) + "-"), m_name(m_ofFile + key) {}

std::optional<std::string> CacheFolder::notedFailure() const {
  std::error_code error;
  const fs::file_status status = fs::symlink_status(failureNote(), error);
  if (error || !fs::is_regular_file(status)) return std::nullopt;
  const auto noted = fs::last_write_time(failureNote(), error);
  if (error || fs::file_time_type::clock::now() - noted > kFailureBelieved) return std::nullopt;
  std::optional<std::string> reason = noteLine(failureNote());
  if (!reason || reason->empty()) return std::nullopt;
  return reason;
}

// Written as a new file and renamed: a link under the note's name is replaced, not followed.
void CacheFolder::noteFailure(const std::string& reason) const {
  attempt([&] {
    StagedFile(failureNote(), reason + "\n", StagedFile::Access::Private)
        .moveReplacing(failureNote());
  });
}

void CacheFolder::removeStaleTemporaries() const {
  const auto staleBefore = fs::file_time_type::clock::now() - kReaderTimeLimit;
  std::error_code error;
  for (fs::directory_iterator it(m_folder, error), end; !error && it != end; it.increment(error)) {
    std::error_code ignored;
    if (it->path().filename().string().ends_with(kTemporaryEnd) &&
        fs::last_write_time(it->path(), ignored) < staleBefore) {
      fs::remove(it->path(), ignored);
    }
  }
}

fs::path CacheFolder::newTemporary() const {
  return newEmptyFile(m_folder, m_name + ".sqlite." + randomHex() + std::string(kTemporaryEnd));
}

void CacheFolder::keep(const fs::path& temporary) const {
  flush(temporary);
  std::error_code error;
  fs::rename(temporary, copy(), error);
  if (error) throw FileError("cannot keep the copy " + copy().string() + ": " + error.message());
  flush(m_folder);
  fs::remove(failureNote(), error);
  for (fs::directory_iterator it(m_folder, error), end; !error && it != end; it.increment(error)) {
    const std::string entry = it->path().filename().string();
    std::error_code ignored;
    if (entry.starts_with(m_ofFile) && it->path() != copy() &&
        (entry.ends_with(".sqlite") || entry.ends_with(".failed"))) {
      fs::remove(it->path(), ignored);
    }
  }
}

PrivateFolder::PrivateFolder() {
  std::string pattern = joinPath(temporaryFolder(), "pillora-XXXXXX");
  if (mkdtemp(pattern.data()) == nullptr) {
    throw FileError("cannot make a folder in " + temporaryFolder() + ": " + systemReason());
  }
  m_folder = pattern;
}

PrivateFolder::~PrivateFolder() {
  std::error_code ignored;
  fs::remove_all(m_folder, ignored);
}

fs::path PrivateFolder::newTemporary() const {
  return newEmptyFile(m_folder, "copy.sqlite");
}

}  // namespace pillora
