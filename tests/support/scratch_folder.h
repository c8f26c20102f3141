#pragma once
// A fresh folder for one test, removed with everything in it when the test ends.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace pillora::testing {

class ScratchFolder {
 public:
  // A folder of a new random name: create_directory tells whether it was made just now.
  ScratchFolder() {
    std::random_device random;
    do {
      m_path = std::filesystem::temp_directory_path() /
               ("pillora-test-" + std::to_string(random()) + std::to_string(random()));
    } while (!std::filesystem::create_directory(m_path));
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
  }

  std::string path(const std::string& name) const { return (m_path / name).string(); }
  const std::filesystem::path& folder() const { return m_path; }

  std::string write(const std::string& name, const std::string& bytes) const {
    std::ofstream(path(name), std::ios::binary) << bytes;
    return path(name);
  }

 private:
  std::filesystem::path m_path;
};

// A file of the project's test fixtures (tests/fixtures), in the tests folder the test
// environment names.
inline std::string testFixture(const std::string& relative) {
  const char* tests = std::getenv("PILLORA_TESTS_DIR");
  return std::string(tests != nullptr ? tests : "tests") + "/fixtures/" + relative;
}

}  // namespace pillora::testing
