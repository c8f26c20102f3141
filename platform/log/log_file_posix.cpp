// The job log on Linux: appended through O_APPEND in one write; a lock on the open log keeps
// the size check, the renaming and the write of one run apart from another's.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "common/text/errors.h"
#include "platform/log/log_folder.h"
#include "platform/log/run_log.h"

namespace fs = std::filesystem;

namespace pillora {

namespace {

// Each round opens the log once more after another run renamed it; so many in a row mean
// something keeps replacing the file.
constexpr int kLogOpenRounds = 100;

[[noreturn]] void cannotWrite(const fs::path& log, int error) {
  throw FileError("cannot write the job log " + pathToUtf8(log) + ": " + std::strerror(error));
}

// The log's file, open for appending (made 0600 when missing; a link is not followed).
class OpenLog {
 public:
  explicit OpenLog(const fs::path& log)
      : m_fd(::open(log.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600)) {
    if (m_fd < 0) cannotWrite(log, errno);
    while (::flock(m_fd, LOCK_EX) != 0) {
      if (errno != EINTR) cannotWrite(log, errno);
    }
  }
  OpenLog(const OpenLog&) = delete;
  OpenLog& operator=(const OpenLog&) = delete;
  ~OpenLog() { ::close(m_fd); }

  struct stat status() const {
    struct stat st {};
    ::fstat(m_fd, &st);
    return st;
  }
  int fd() const { return m_fd; }

 private:
  int m_fd;
};

bool sameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// True when `open` is still the file the log's name names: another run may have renamed
// it while this one waited for the lock.
bool stillTheLog(const fs::path& log, const OpenLog& open) {
  struct stat named {};
  return ::lstat(log.c_str(), &named) == 0 && sameFile(named, open.status());
}

void writeWhole(const fs::path& log, int fd, const std::string& bytes) {
  ssize_t written = -1;
  do {
    written = ::write(fd, bytes.data(), bytes.size());
  } while (written < 0 && errno == EINTR);
  if (written < 0) cannotWrite(log, errno);
  if (static_cast<std::size_t>(written) != bytes.size()) cannotWrite(log, ENOSPC);
}

}  // namespace

fs::path userLogFolder() {
  if (const char* state = std::getenv("XDG_STATE_HOME"); state != nullptr && *state == '/') {
    return fs::path(state) / "pillora";
  }
  const char* home = std::getenv("HOME");
  return fs::path(home != nullptr && *home == '/' ? home : "/tmp") / ".local/state/pillora";
}

long currentProcessId() {
  return static_cast<long>(::getpid());
}

void appendLogLine(const fs::path& log, const std::string& line) {
  std::error_code ignored;
  fs::create_directories(log.parent_path(), ignored);  // a folder that cannot be made shows next
  for (int round = 0; round < kLogOpenRounds; ++round) {
    const OpenLog open(log);
    if (!stillTheLog(log, open)) continue;
    if (static_cast<std::uintmax_t>(open.status().st_size) >= kRunLogRotateAt) {
      fs::path older = log;
      older += ".1";
      if (::rename(log.c_str(), older.c_str()) != 0) cannotWrite(log, errno);
      continue;  // the next round makes the new log
    }
    writeWhole(log, open.fd(), line + "\n");
    return;
  }
  cannotWrite(log, EBUSY);
}

}  // namespace pillora
