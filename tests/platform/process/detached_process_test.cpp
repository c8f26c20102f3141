#include "platform/process/detached_process.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "common/text/errors.h"
#include "tests/support/scratch_folder.h"

namespace pillora::testing {
namespace {

TEST(DetachedProcess, RunsOnItsOwnWithoutBeingWaitedFor) {
  const ScratchFolder scratch;
  const std::filesystem::path done = scratch.folder() / "done 完成";
  startDetached("/bin/sh", {"-c", "sleep 0.2; echo > \"$0\"", done});
  EXPECT_FALSE(std::filesystem::exists(done));  // the start did not wait
  for (int i = 0; i < 100 && !std::filesystem::exists(done); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  EXPECT_TRUE(std::filesystem::exists(done));
  EXPECT_THROW(startDetached(scratch.folder() / "missing", {}), FileError);
}

}  // namespace
}  // namespace pillora::testing
