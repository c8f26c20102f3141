#pragma once
// A throw-away program folder for tests: made empty, named by PILLORA_HOME while the
// object lives, removed afterwards.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "common/text/textfile.h"

namespace pillora::testing {

class TempProgramFolder {
 public:
  TempProgramFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "pillora-test-XXXXXX").string();
    m_path = mkdtemp(pattern.data());
    setenv("PILLORA_HOME", m_path.c_str(), 1);
  }
  ~TempProgramFolder() {
    unsetenv("PILLORA_HOME");
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
  }
  TempProgramFolder(const TempProgramFolder&) = delete;
  TempProgramFolder& operator=(const TempProgramFolder&) = delete;

  const std::string& path() const { return m_path; }
  std::string file(const std::string& name) const { return m_path + "/" + name; }
  // An empty marker file.
  void touch(const std::string& name) const { std::ofstream(file(name)).flush(); }
  void remove(const std::string& name) const { std::filesystem::remove(file(name)); }
  // A text file of the system: code page 950, CR LF.
  void writeBig5(const std::string& name, const std::vector<Text>& lines) const {
    writeCp950Lines(file(name), lines);
  }

 private:
  std::string m_path;
};

}  // namespace pillora::testing
