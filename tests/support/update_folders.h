#pragma once
// What a test of an update action stands on: a service-pack folder (VELSOR_HOME), a Rimora
// folder named in the per-user settings of a scratch configuration folder, and a wizard
// page that records what the action shows.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/files/file_store.h"
#include "tests/support/scoped_environment.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/wizard_doubles.h"
#include "velsor/shell/utl_updator_view.h"

namespace pillora::testing {

inline std::string fileBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// Writes a file, making its folder first.
inline void writeBytes(const std::filesystem::path& file, const std::string& bytes) {
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << bytes;
}

class UpdateFolders {
 public:
  UpdateFolders() {
    std::filesystem::create_directories(pack);
    std::filesystem::create_directories(host);
    setHost(host.string());
  }

  // The Rimora folder the per-user settings name; empty text for none.
  void setHost(const std::string& folder) const {
    writeBytes(scratch.folder() / "config/Rimora/settings.ini",
               "[Options]\nRimoraStartupPath=" + folder + "\n");
  }

  ScratchFolder scratch;
  std::filesystem::path pack = scratch.folder() / "pack";
  std::filesystem::path host = scratch.folder() / "Rimora 藥局";
  ScopedEnvironment home{"VELSOR_HOME", pack.string()};
  ScopedEnvironment config{"XDG_CONFIG_HOME", (scratch.folder() / "config").string()};
  RecordingPage page;
  FakeServices services;
  utlUpdatorView view{page, services};
  FileStore files;
};

}  // namespace pillora::testing
