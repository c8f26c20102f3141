#include "platform/log/run_log.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <regex>
#include <sstream>

#include "common/log/run_record.h"
#include "common/text/errors.h"
#include "common/text/textfile.h"
#include "tests/support/scoped_environment.h"
#include "tests/support/temp_folder.h"

namespace pillora::testing {
namespace {

namespace fs = std::filesystem;

class RunLogTest : public ::testing::Test {
 protected:
  TempProgramFolder folder;
  fs::path log() const { return pathFromUtf8(folder.file("pillora.log")); }
};

TEST_F(RunLogTest, TheLogIsNamedByPilloraLogAndTheOtherProgramsLogsLieBesideIt) {
  const ScopedEnvironment named("PILLORA_LOG", folder.file("logs/jobs.txt"));
  EXPECT_EQ(runLogPath("pillora.log"), pathFromUtf8(folder.file("logs/jobs.txt")));
  EXPECT_EQ(runLogPath("velsor.log"), pathFromUtf8(folder.file("logs/velsor.log")));
}

#ifndef _WIN32
TEST_F(RunLogTest, WithoutPilloraLogTheLogIsInTheUsersStateFolder) {
  const ScopedEnvironment named("PILLORA_LOG", std::nullopt);
  const ScopedEnvironment state("XDG_STATE_HOME", folder.path());
  EXPECT_EQ(runLogPath("velsor.log"), pathFromUtf8(folder.file("pillora/velsor.log")));
  const ScopedEnvironment relative("XDG_STATE_HOME", "not/absolute");
  const ScopedEnvironment home("HOME", folder.path());
  EXPECT_EQ(runLogPath("pillora.log"),
            pathFromUtf8(folder.file(".local/state/pillora/pillora.log")));
}
#endif

TEST_F(RunLogTest, LinesAreAppendedAndALogPastOneMebibyteIsRenamedFirst) {
  appendLogLine(log(), "first");
  appendLogLine(log(), "second");
  EXPECT_EQ(readFileBytes(log().string()), "first\nsecond\n");
  std::ofstream(log(), std::ios::app) << std::string(kRunLogRotateAt, 'x');
  appendLogLine(log(), "third");
  EXPECT_EQ(readFileBytes(log().string()), "third\n");
  fs::path older = log();
  older += ".1";
  EXPECT_EQ(fs::file_size(older), kRunLogRotateAt + 13);
  appendLogLine(log(), "fourth");  // a small log is kept
  EXPECT_EQ(readFileBytes(log().string()), "third\nfourth\n");
}

TEST_F(RunLogTest, ALogThatCannotBeWrittenSaysWhyAndFailsNothing) {
  fs::create_directory(log());
  EXPECT_THROW(appendLogLine(log(), "line"), FileError);
  const ScopedEnvironment named("PILLORA_LOG", log().string());
  std::ostringstream err;
  std::streambuf* const own = std::cerr.rdbuf(err.rdbuf());
  int status = 0;
  {
    RunLog run("pillora", "pillora.log");
    status = run.finish(3);
  }
  std::cerr.rdbuf(own);
  EXPECT_EQ(status, 3);
  EXPECT_EQ(err.str().rfind("pillora: cannot write the job log " + log().string() + ": ", 0), 0U)
      << err.str();
}

TEST_F(RunLogTest, ARunsLineHoldsTheTimeTheProgramItsProcessAndItsRecord) {
  const ScopedEnvironment named("PILLORA_LOG", log().string());
  currentRun().clear();
  RunLog run("pillora", "pillora.log");
  currentRun().set("job", u"/jobs/1.ndrg");
  std::cerr << "pillora: a notice\n";
  run.finish(0);
  const std::string line = readFileBytes(log().string());
  const std::regex expected(
      R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d[+-]\d\d:\d\d\tpillora\tpid=\d+\tjob=/jobs/1\.ndrg\t)"
      R"(warning=a notice\tstatus=0\n)");
  EXPECT_TRUE(std::regex_match(line, expected)) << line;
}

}  // namespace
}  // namespace pillora::testing
