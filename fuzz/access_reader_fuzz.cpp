// Arbitrary bytes as the drug-profile database "dbDrugProfile.mdb" in Access format, looked
// up as a job does: the helper program reads the file in a child process, so no crash or
// hang of the reader may reach the program, which sees one of the system's own errors.
// Seeded with the Jet test files; every case is a new file, read afresh.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <sstream>

#include "fuzz/fuzz_support.h"
#include "pillora/startup/profile_lookup.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pillora;
  fuzz::writeFile(fuzz::programFolder() / "dbDrugProfile.mdb", fuzz::bytes(data, size));
  std::ostringstream notices;
  RunState run;
  run.notices = &notices;
  ProfileLookup lookup(run);
  CDrugBagItem record;
  record.藥品代碼(u"A000123100");
  lookup.lookUpProfile(record);
  lookup.lookUpDrgProfile(record);
  std::filesystem::remove_all(fuzz::programFolder() / "pillora");  // copies and failure notes
  return 0;
}
