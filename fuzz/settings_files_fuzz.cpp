// Arbitrary bytes as one of the settings files of the program folder, with some marker
// files beside it, while the sample jobs print through a print log (and the label job
// through a label log): no crash, no hang. The input's first byte chooses the settings
// file (its low two bits) and the markers (one bit each); the rest is the file.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_support.h"
#include "fuzz/print_jobs.h"

namespace {

constexpr std::array<const char*, 4> kSettingsFiles{"layout.config", "DrugBag.config",
                                                    "220603.config", "dbp.config"};
constexpr std::array<const char*, 6> kMarkers{"151014.config",       "BlankBody.config",
                                              "isPharmacyUp.config", "220306.config",
                                              "180208.config",       "PrePrintNameAddress.config"};

// Lays out the program folder for one case: the chosen settings file, the chosen markers.
void layOut(std::uint8_t choice, std::string_view content) {
  namespace fs = std::filesystem;
  const fs::path& folder = pillora::fuzz::programFolder();
  for (const char* name : kSettingsFiles) fs::remove(folder / name);
  pillora::fuzz::writeFile(folder / kSettingsFiles[choice % kSettingsFiles.size()], content);
  for (std::size_t i = 0; i < kMarkers.size(); ++i) {
    fs::remove(folder / kMarkers[i]);
    if (((choice >> (i + 2)) & 1U) != 0) pillora::fuzz::writeFile(folder / kMarkers[i], "");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pillora;
  if (size == 0) return 0;
  fuzz::installSampleProfiles();
  layOut(data[0], fuzz::bytes(data + 1, size - 1));
  const auto sample = [](const char* name) {
    return fromUtf8(PILLORA_SOURCE_DIR "/samples/") + fromUtf8(name);
  };
  fuzz::printJobs(sample("sample.ndrg"), sample("single-drug.drg"), sample("multi-drug.job"));
  return 0;
}
