// Arbitrary bytes as a job file of each of the three formats, with its receipt file, read
// and printed through a print log (and, with print option "CP", a label log) into memory:
// no crash, no hang, every failure one of the system's own errors. The input is the job,
// then after a line "--8<--" the receipt. The drugs are looked up in the sample profiles.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"
#include "fuzz/print_jobs.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pillora;
  fuzz::installSampleProfiles();
  const auto parts = fuzz::splitInput(fuzz::bytes(data, size), 2);
  const auto path = fuzz::programFolder() / "job.ndrg";
  fuzz::writeFile(path, parts[0]);
  fuzz::writeFile(fuzz::programFolder() / "job.dprf", parts[1]);
  const Text job = fromUtf8(path.string());
  fuzz::printJobs(job, job, job);
  return 0;
}
