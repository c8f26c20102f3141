#include "fuzz/fuzz_support.h"

#include <cstdlib>
#include <fstream>
#include <mutex>
#include <string>

#include "common/text/textfile.h"
#include "pillora/profiletool/profile_csv.h"
#include "pillora/profiletool/profile_database.h"

namespace fs = std::filesystem;

namespace pillora::fuzz {

namespace {

constexpr std::string_view kSeparator = "\n--8<--\n";

}  // namespace

const fs::path& programFolder() {
  static const fs::path* const folder = [] {
    std::string pattern = (fs::temp_directory_path() / "pillora-fuzz-XXXXXX").string();
    const auto* made = new fs::path(mkdtemp(pattern.data()));
    setenv("PILLORA_HOME", made->c_str(), 1);
    setenv("TMPDIR", made->c_str(), 1);
    setenv("XDG_CACHE_HOME", made->c_str(), 1);
    std::atexit([] {
      std::error_code ignored;
      fs::remove_all(programFolder(), ignored);
    });
    return made;
  }();
  return *folder;
}

std::string_view bytes(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

void writeFile(const fs::path& file, std::string_view content) {
  std::ofstream(file, std::ios::binary | std::ios::trunc)
      .write(content.data(), static_cast<std::streamsize>(content.size()));
}

std::vector<std::string_view> splitInput(std::string_view input, std::size_t parts) {
  std::vector<std::string_view> cut;
  while (cut.size() + 1 < parts) {
    const std::size_t at = input.find(kSeparator);
    if (at == std::string_view::npos) break;
    cut.push_back(input.substr(0, at));
    input.remove_prefix(at + kSeparator.size());
  }
  cut.push_back(input);
  cut.resize(parts);
  return cut;
}

void installSampleProfiles() {
  static std::once_flag once;
  std::call_once(once, [] {
    const fs::path database = programFolder() / "dbDrugProfile.mdb";
    const std::string csv = readFileBytes(PILLORA_SOURCE_DIR "/samples/profile.csv");
    buildProfileDatabase(readProfileCsv(csv).rows, database.string());
  });
}

}  // namespace pillora::fuzz
