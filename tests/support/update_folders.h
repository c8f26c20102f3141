#pragma once
// What a test of an update action stands on: a service-pack folder (VELSOR_HOME), a Rimora
// folder named in the per-user settings, and a wizard page that records what the action
// shows.
#include <filesystem>

#include "platform/files/file_store.h"
#include "tests/support/file_bytes.h"
#include "tests/support/rimora_setting.h"
#include "tests/support/scoped_environment.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/wizard_doubles.h"
#include "velsor/shell/utl_updator_view.h"

namespace pillora::testing {

class UpdateFolders {
 public:
  UpdateFolders() {
    std::filesystem::create_directories(pack);
    std::filesystem::create_directories(host);
    setHost(host);
  }

  // The Rimora folder the per-user settings name; an empty path for an empty setting.
  void setHost(const std::filesystem::path& folder) const { setting.set(folder.u16string()); }

  ScratchFolder scratch;
  std::filesystem::path pack = scratch.folder() / "pack";
  std::filesystem::path host = scratch.folder() / u8"Rimora 藥局";
  ScopedEnvironment home{"VELSOR_HOME", pathToUtf8(pack)};
  RimoraSetting setting{scratch.folder()};
  RecordingPage page;
  FakeServices services;
  utlUpdatorView view{page, services};
  FileStore files;
};

}  // namespace pillora::testing
