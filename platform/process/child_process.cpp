// Child processes through fork and exec, their error output through a pipe read with poll.
#include "platform/process/child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
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
// Exit statuses of a child that never ran its program.
constexpr int kParentGone = 125;
constexpr int kNotStarted = 127;
// A child whose error output has ended is ending: its exit is asked for this often, so that
// the caller waits little beyond it.
constexpr auto kExitPoll = std::chrono::milliseconds(1);

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

// The child's side of the start, between fork and exec: only calls that are safe there. The
// child is to die with this process (a reader whose program was killed must not go on for
// nobody); checked again once asked, since a parent that died before would never send the
// signal. A failed start is told through `failure` as the system's error number.
[[noreturn]] void becomeChild(const char* program, char* const* argv, int errorEnd, int failure,
                              pid_t parent) {
  if (prctl(PR_SET_PDEATHSIG, SIGKILL) != 0 || getppid() != parent) _exit(kParentGone);
  const int nothing = open("/dev/null", O_RDWR | O_CLOEXEC);
  if (nothing >= 0 && dup2(nothing, STDIN_FILENO) >= 0 && dup2(nothing, STDOUT_FILENO) >= 0 &&
      dup2(errorEnd, STDERR_FILENO) >= 0) {
    execve(program, argv, environ);
  }
  const int error = errno;
  static_cast<void>(write(failure, &error, sizeof error));
  _exit(kNotStarted);
}

pid_t spawn(const std::filesystem::path& program,
            const std::vector<std::filesystem::path>& arguments, int errorEnd) {
  std::vector<char*> argv = argumentVector(program, arguments);
  Pipe failure;
  const pid_t parent = getpid();
  const pid_t pid = fork();
  if (pid == 0) becomeChild(program.c_str(), argv.data(), errorEnd, failure.writeEnd(), parent);
  if (pid < 0) throw FileError("cannot start " + program.string() + ": " + std::strerror(errno));
  failure.closeWriteEnd();
  int error = 0;
  ssize_t told = 0;
  do {
    told = read(failure.readEnd(), &error, sizeof error);
  } while (told < 0 && errno == EINTR);
  if (told <= 0) return pid;  // the program runs: exec closed the pipe
  waitpid(pid, nullptr, 0);
  throw FileError("cannot start " + program.string() + ": " + std::strerror(error));
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
