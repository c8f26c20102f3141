// A detached start through posix_spawn: a new session, /dev/null for every standard stream.
#include "platform/process/detached_process.h"

#include <fcntl.h>
#include <spawn.h>
#include <unistd.h>

#include <cstring>
#include <string>

#include "common/text/errors.h"
#include "platform/process/argument_vector.h"

extern char** environ;  // NOLINT(readability-redundant-declaration): POSIX declares it nowhere

namespace pillora {

namespace {

class DetachedSpawn {
 public:
  DetachedSpawn() {
    posix_spawn_file_actions_init(&m_actions);
    posix_spawn_file_actions_addopen(&m_actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&m_actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&m_actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawnattr_init(&m_attributes);
    posix_spawnattr_setflags(&m_attributes, POSIX_SPAWN_SETSID);
  }
  DetachedSpawn(const DetachedSpawn&) = delete;
  DetachedSpawn& operator=(const DetachedSpawn&) = delete;
  ~DetachedSpawn() {
    posix_spawnattr_destroy(&m_attributes);
    posix_spawn_file_actions_destroy(&m_actions);
  }
  const posix_spawn_file_actions_t* actions() const { return &m_actions; }
  const posix_spawnattr_t* attributes() const { return &m_attributes; }

 private:
  posix_spawn_file_actions_t m_actions{};
  posix_spawnattr_t m_attributes{};
};

}  // namespace

void startDetached(const std::filesystem::path& program,
                   const std::vector<std::filesystem::path>& arguments) {
  std::vector<char*> argv = argumentVector(program, arguments);
  const DetachedSpawn spawn;
  pid_t pid = 0;
  if (const int error = posix_spawn(&pid, program.c_str(), spawn.actions(), spawn.attributes(),
                                    argv.data(), environ);
      error != 0) {
    throw FileError("cannot start " + program.string() + ": " + std::strerror(error));
  }
}

}  // namespace pillora
