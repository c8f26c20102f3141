#pragma once
// A throw-away program folder for tests: a scratch folder named by PILLORA_HOME while the
// object lives.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "common/text/textfile.h"
#include "tests/support/scoped_environment.h"
#include "tests/support/scratch_folder.h"

namespace pillora::testing {

class TempProgramFolder : public ScratchFolder {
 public:
  TempProgramFolder() = default;
  TempProgramFolder(const TempProgramFolder&) = delete;
  TempProgramFolder& operator=(const TempProgramFolder&) = delete;

  std::string path() const { return folder().string(); }
  std::string file(const std::string& name) const { return ScratchFolder::path(name); }
  // An empty marker file.
  void touch(const std::string& name) const { std::ofstream(file(name)).flush(); }
  void remove(const std::string& name) const { std::filesystem::remove(file(name)); }
  // A text file of the system: code page 950, CR LF.
  void writeBig5(const std::string& name, const std::vector<Text>& lines) const {
    writeCp950Lines(file(name), lines);
  }

 private:
  ScopedEnvironment m_home{"PILLORA_HOME", folder().string()};
};

}  // namespace pillora::testing
