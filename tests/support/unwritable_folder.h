#pragma once
// A folder in which no file can be made while the object lives, whoever runs the test:
// without write permission, and for root (whom permissions do not stop) immutable as well.
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>
#include <string>

namespace pillora::testing {

class UnwritableFolder {
 public:
  explicit UnwritableFolder(std::filesystem::path folder) : m_folder(std::move(folder)) {
    std::filesystem::permissions(
        m_folder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    if (geteuid() == 0 && !setImmutable(true)) {
      throw std::runtime_error("cannot make " + m_folder.string() + " immutable");
    }
  }
  UnwritableFolder(const UnwritableFolder&) = delete;
  UnwritableFolder& operator=(const UnwritableFolder&) = delete;
  ~UnwritableFolder() {
    if (geteuid() == 0) setImmutable(false);
    std::error_code ignored;
    std::filesystem::permissions(m_folder, std::filesystem::perms::owner_all, ignored);
  }

 private:
  bool setImmutable(bool on) const {
    const int fd = open(m_folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return false;
    int flags = 0;
    bool done = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    done = done && ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    close(fd);
    return done;
  }

  std::filesystem::path m_folder;
};

}  // namespace pillora::testing
