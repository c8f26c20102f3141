#include "platform/settings/settings_store.h"
#include "platform/settings/settings_ini.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "common/text/errors.h"
#include "tests/support/scoped_environment.h"
#include "tests/support/scratch_folder.h"

namespace pillora::testing {
namespace {

class SettingsStore : public ::testing::Test {
 protected:
  void writeSettings(const std::string& bytes) const {
    std::filesystem::create_directories(scratch.folder() / "Rimora");
    scratch.write("Rimora/settings.ini", bytes);
  }
  static Text startupPath() { return getSetting(u"Rimora", u"Options", u"RimoraStartupPath"); }

  ScratchFolder scratch;
  ScopedEnvironment config{"XDG_CONFIG_HOME", scratch.folder().string()};
};

TEST_F(SettingsStore, ReadsTheValueOfTheKeyInItsSection) {
  struct Case {
    const char* file;
    const char16_t* value;
  };
  const std::vector<Case> cases{
      {"[Options]\nRimoraStartupPath=/srv/rimora 2\n", u"/srv/rimora 2"},
      {"[Options]\r\nRimoraStartupPath=/srv/藥局\r\n", u"/srv/藥局"},
      {"[options]\n  rimorastartuppath =/x=y", u"/x=y"},
      {"[Other]\nRimoraStartupPath=/other\n[Options]\nLast=1\n", u""},
      {"RimoraStartupPath=/outside\n[Options]\n", u""},
      {"[Options]\nRimoraStartupPath=\n", u""},
      {"", u""},
  };
  for (const auto& each : cases) {
    SCOPED_TRACE(each.file);
    writeSettings(each.file);
    EXPECT_EQ(startupPath(), each.value);
  }
}

TEST_F(SettingsStore, NoFileIsAnEmptyValueAndADamagedFileAFailure) {
  EXPECT_EQ(startupPath(), u"");
  writeSettings("[Options]\nRimoraStartupPath=/srv/\xb3\xa1\n");  // Big5, not UTF-8
  EXPECT_THROW(startupPath(), FileError);
  std::filesystem::remove(scratch.path("Rimora/settings.ini"));
  std::filesystem::create_directory(scratch.path("Rimora/settings.ini"));
  EXPECT_THROW(startupPath(), FileError);
}

TEST_F(SettingsStore, TheFolderComesFromXdgConfigHomeElseHome) {
  EXPECT_EQ(settingsFile(u"Rimora"), scratch.folder() / "Rimora/settings.ini");
  const ScopedEnvironment relative("XDG_CONFIG_HOME", "relative");
  const ScopedEnvironment home("HOME", "/home/pharmacist");
  EXPECT_EQ(settingsFile(u"Rimora"),
            std::filesystem::path("/home/pharmacist/.config/Rimora/settings.ini"));
  const ScopedEnvironment noHome("HOME", std::nullopt);
  EXPECT_EQ(settingsFile(u"Rimora"), std::nullopt);
}

}  // namespace
}  // namespace pillora::testing
