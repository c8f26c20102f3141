// Child processes: how they end, what is kept of their error output, and the time limit.
#include "platform/process/child_process.h"

#include <gtest/gtest.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <fstream>

#include "common/text/errors.h"
#include "tests/support/scratch_folder.h"

namespace pillora {
namespace {

using std::chrono::milliseconds;

ChildOutcome shell(const std::string& script, milliseconds timeout = milliseconds(10000)) {
  return runChild("/bin/sh", {"-c", script}, timeout);
}

TEST(ChildProcess, ExitStatusSignalAndLastErrorLine) {
  struct Case {
    const char* script;
    std::optional<int> exitCode;
    std::optional<int> signal;
    const char* lastLine;
  };
  for (const Case& c : {
           Case{"exit 0", 0, std::nullopt, ""},
           Case{"echo out; echo first >&2; echo; echo last >&2; exit 3", 3, std::nullopt, "last"},
           Case{"printf 'no line end' >&2; exit 1", 1, std::nullopt, "no line end"},
           Case{"echo dying >&2; kill -SEGV $$", std::nullopt, 11, "dying"},
       }) {
    SCOPED_TRACE(c.script);
    const ChildOutcome outcome = shell(c.script);
    EXPECT_EQ(outcome.exitCode, c.exitCode);
    EXPECT_EQ(outcome.signal, c.signal);
    EXPECT_FALSE(outcome.timedOut);
    EXPECT_EQ(outcome.lastErrorLine, c.lastLine);
  }
}

TEST(ChildProcess, AFloodOfErrorOutputIsReadAndCut) {
  const ChildOutcome outcome = shell(
      "yes 'Warning: a long complaint' | head -c 20000000 >&2; echo >&2; head -c 5000 /dev/zero | "
      "tr '\\0' x >&2; exit 1");
  EXPECT_EQ(outcome.exitCode, 1);
  EXPECT_EQ(outcome.lastErrorLine, std::string(300, 'x'));
}

TEST(ChildProcess, AChildOutOfTimeIsKilled) {
  const auto start = std::chrono::steady_clock::now();
  const ChildOutcome outcome = shell("echo waiting >&2; exec sleep 30", milliseconds(300));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  EXPECT_TRUE(outcome.timedOut);
  EXPECT_FALSE(outcome.exitCode);
  EXPECT_EQ(outcome.lastErrorLine, "waiting");
}

TEST(ChildProcess, AProgramThatIsNotThereFailsToStart) {
  EXPECT_THROW(runChild("/nonexistent/program", {}, milliseconds(1000)), FileError);
}

// A child never outlives the process that started it, however that process ends: an orphaned
// reader would go on working for nobody, its half-written file left behind.
TEST(ChildProcess, AChildDiesWithTheProcessThatStartedIt) {
  ASSERT_EQ(prctl(PR_SET_CHILD_SUBREAPER, 1), 0);  // orphans come to this process
  const testing::ScratchFolder scratch;
  const std::string started = scratch.path("started");
  ASSERT_EQ(mkfifo(started.c_str(), 0600), 0);
  const pid_t parent = fork();
  ASSERT_GE(parent, 0);
  if (parent == 0) {
    shell("echo started >" + started + "; exec sleep 3");
    _exit(0);
  }
  std::string line;
  std::getline(std::ifstream(started), line);  // the child runs
  kill(parent, SIGKILL);
  waitpid(parent, nullptr, 0);
  int status = 0;
  const pid_t orphan = wait(&status);
  prctl(PR_SET_CHILD_SUBREAPER, 0);
  ASSERT_GT(orphan, 0);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "status " << status;
}

}  // namespace
}  // namespace pillora
