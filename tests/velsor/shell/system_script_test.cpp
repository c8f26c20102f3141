// The self-deleting script as this system writes it into the service pack's folder: a new
// file of its own, whatever lies under its name.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/file_bytes.h"
#include "tests/support/scratch_folder.h"
#include "velsor/shell/system_services.h"

namespace fs = std::filesystem;

namespace pillora::testing {
namespace {

TEST(SystemScript, ALinkUnderTheScriptsNameIsReplacedNotFollowed) {
  ScratchFolder scratch;
  const fs::path victim = scratch.folder() / "victim";
  const fs::path script = scratch.folder() / "destroy.sh";
  writeBytes(victim, "keep me");
  fs::create_symlink(victim, script);
  SystemServices services([] {});
  services.writeScript(script.u16string(), {u"#!/bin/sh", u"exit 0"});
  EXPECT_EQ(fileBytes(victim), "keep me");
  EXPECT_FALSE(fs::is_symlink(script));
  EXPECT_EQ(fileBytes(script), "#!/bin/sh\nexit 0\n");
  EXPECT_EQ(fs::status(script).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
}

}  // namespace
}  // namespace pillora::testing
