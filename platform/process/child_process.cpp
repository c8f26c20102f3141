// Child processes through posix_spawn, their error output through a pipe read with poll.
#include "platform/process/child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>

#include <array>
#include <cerrno>
#include <cstring>
#include <thread>

#include "common/text/errors.h"
#include "platform/process/argument_vector.h"

extern char** environ;  // NOLINT(readability-redundant-declaration): POSIX declares it nowhere

namespace pillora {

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::size_t kLineLimit = 300;
constexpr auto kExitPoll = std::chrono::milliseconds(10);

class Pipe {
 public:
  Pipe() {
    if (pipe2(m_ends.data(), O_CLOEXEC) != 0) {
      throw FileError(std::string("cannot make a pipe: ") + std::strerror(errno));
    }
  }
  Pipe(const Pipe&) = delete;
  Pipe& operator=(const Pipe&) = delete;
  ~Pipe() {
    closeWriteEnd();
    close(m_ends[0]);
  }
  int readEnd() const { return m_ends[0]; }
  int writeEnd() const { return m_ends[1]; }
  void closeWriteEnd() {
    if (m_ends[1] >= 0) close(m_ends[1]);
    m_ends[1] = -1;
  }

 private:
  std::array<int, 2> m_ends{-1, -1};
};

class SpawnActions {
 public:
  explicit SpawnActions(int errorEnd) {
    posix_spawn_file_actions_init(&m_actions);
    posix_spawn_file_actions_addopen(&m_actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&m_actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&m_actions, errorEnd, STDERR_FILENO);
  }
  SpawnActions(const SpawnActions&) = delete;
  SpawnActions& operator=(const SpawnActions&) = delete;
  ~SpawnActions() { posix_spawn_file_actions_destroy(&m_actions); }
  const posix_spawn_file_actions_t* get() const { return &m_actions; }

 private:
  posix_spawn_file_actions_t m_actions{};
};

// The last line of a stream read piece by piece, each line cut to kLineLimit bytes.
class LastLine {
 public:
  void add(std::string_view bytes) {
    for (const char c : bytes) {
      if (c == '\n') {
        if (!m_current.empty()) m_last = std::move(m_current);
        m_current.clear();
      } else if (m_current.size() < kLineLimit) {
        m_current += c;
      }
    }
  }
  std::string take() { return m_current.empty() ? std::move(m_last) : std::move(m_current); }

 private:
  std::string m_current;
  std::string m_last;
};

pid_t spawn(const std::filesystem::path& program,
            const std::vector<std::filesystem::path>& arguments, int errorEnd) {
  std::vector<char*> argv = argumentVector(program, arguments);
  const SpawnActions actions(errorEnd);
  pid_t pid = 0;
  if (const int error =
          posix_spawn(&pid, program.c_str(), actions.get(), nullptr, argv.data(), environ);
      error != 0) {
    throw FileError("cannot start " + program.string() + ": " + std::strerror(error));
  }
  return pid;
}

// Reads the error output until it ends or the deadline passes; false when time ran out.
bool readErrors(int fd, Clock::time_point deadline, LastLine& errors) {
  std::array<char, 4096> buffer{};
  while (true) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) return false;
    pollfd watched{fd, POLLIN, 0};
    const int ready = poll(&watched, 1, static_cast<int>(left.count()));
    if (ready < 0 && errno == EINTR) continue;
    if (ready == 0) return false;
    if (ready < 0) return true;
    const ssize_t count = read(fd, buffer.data(), buffer.size());
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) return true;
    errors.add(std::string_view(buffer.data(), static_cast<std::size_t>(count)));
  }
}

// Waits for the child to end until the deadline; nothing when time ran out.
std::optional<int> waitUntil(pid_t pid, Clock::time_point deadline) {
  int status = 0;
  while (true) {
    const pid_t done = waitpid(pid, &status, WNOHANG);
    if (done == pid) return status;
    if (done < 0 && errno != EINTR) throw FileError("cannot wait for a child process");
    if (Clock::now() >= deadline) return std::nullopt;
    std::this_thread::sleep_for(kExitPoll);
  }
}

}  // namespace

ChildOutcome runChild(const std::filesystem::path& program,
                      const std::vector<std::filesystem::path>& arguments,
                      std::chrono::milliseconds timeout) {
  const Clock::time_point deadline = Clock::now() + timeout;
  Pipe errorPipe;
  const pid_t pid = spawn(program, arguments, errorPipe.writeEnd());
  errorPipe.closeWriteEnd();
  LastLine errors;
  std::optional<int> status;
  if (readErrors(errorPipe.readEnd(), deadline, errors)) status = waitUntil(pid, deadline);
  ChildOutcome outcome;
  if (!status) {
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    outcome.timedOut = true;
  } else if (WIFEXITED(*status)) {
    outcome.exitCode = WEXITSTATUS(*status);
  } else if (WIFSIGNALED(*status)) {
    outcome.signal = WTERMSIG(*status);
  }
  outcome.lastErrorLine = errors.take();
  return outcome;
}

}  // namespace pillora
