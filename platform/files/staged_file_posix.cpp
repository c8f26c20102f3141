#include "platform/files/staged_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "common/text/errors.h"
#include "common/text/text.h"

namespace pillora {

namespace {

// Temporary names already taken (by a crashed earlier run) are skipped up to this many.
constexpr int kTemporaryNameTries = 100;

[[noreturn]] void cannotWrite(const std::filesystem::path& path, int error) {
  throw FileError("cannot write " + pathToUtf8(path) + ": " + std::strerror(error));
}

// A new file beside `path` named after it, open for writing; -1 with errno on failure.
int createTemporary(const std::filesystem::path& path, std::filesystem::path& temporary,
                    mode_t mode) {
  static unsigned counter = 0;
  for (int tries = 0; tries < kTemporaryNameTries; ++tries) {
    temporary = path;
    temporary.replace_filename("." + pathToUtf8(path.filename()) + ".tmp-" +
                               std::to_string(getpid()) + "-" + std::to_string(++counter));
    const int fd =
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd >= 0 || errno != EEXIST) {
      return fd;
    }
  }
  return -1;
}

// Writes all the bytes, flushes them to the disk and closes the file: 0, else the error
// number.
int writeAndClose(int fd, const std::string& bytes) {
  int error = 0;
  for (std::size_t done = 0; done < bytes.size() && error == 0;) {
    const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (written > 0) {
      done += static_cast<std::size_t>(written);
    } else if (written == 0 || errno != EINTR) {
      error = written == 0 ? EIO : errno;
    }
  }
  if (error == 0 && ::fsync(fd) != 0) {
    error = errno;
  }
  if (::close(fd) != 0 && error == 0) {
    error = errno;
  }
  return error;
}

}  // namespace

StagedFile::StagedFile(const std::filesystem::path& path, const std::string& bytes, Access access) {
  const int fd = createTemporary(path, m_temporary, access == Access::Private ? 0600 : 0666);
  const int error = fd < 0 ? errno : writeAndClose(fd, bytes);
  if (error != 0) {
    if (fd >= 0) {
      ::unlink(m_temporary.c_str());
    }
    m_temporary.clear();
    cannotWrite(path, error);
  }
}

StagedFile::~StagedFile() {
  if (!m_temporary.empty()) {
    ::unlink(m_temporary.c_str());
  }
}

bool StagedFile::moveToNewName(const std::filesystem::path& path) {
  // A hard link is made only when no file of that name exists: the name is claimed in one
  // step, even against another program making the same name at the same time.
  if (::link(m_temporary.c_str(), path.c_str()) != 0) {
    if (errno == EEXIST) {
      return false;
    }
    cannotWrite(path, errno);
  }
  ::unlink(std::exchange(m_temporary, {}).c_str());
  return true;
}

void StagedFile::moveReplacing(const std::filesystem::path& path) {
  if (::rename(m_temporary.c_str(), path.c_str()) != 0) {
    cannotWrite(path, errno);
  }
  m_temporary.clear();
}

}  // namespace pillora
