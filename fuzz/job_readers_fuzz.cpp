// Arbitrary bytes as a job file of each of the three formats, with its receipt file, read
// and printed through a print log (and, with print option "CP", a label log) into memory:
// no crash, no hang, every failure one of the system's own errors. The input is the job,
// then after a line "--8<--" the receipt. The drugs are looked up in the sample profiles.
#include <cstddef>
#include <cstdint>
#include <string>

#include "common/text/attempt.h"
#include "fuzz/fuzz_support.h"
#include "pillora/flags/flags.h"
#include "pillora/startup/drg_job_reader.h"
#include "pillora/startup/multi_drug_job_reader.h"
#include "pillora/startup/ndrg_job_reader.h"
#include "platform/label/label_log.h"
#include "platform/print/pen_printer.h"
#include "platform/print/print_log.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pillora;
  fuzz::installSampleProfiles();
  const auto parts = fuzz::splitInput(fuzz::bytes(data, size), 2);
  std::size_t logged = 0;
  PrintLog log([&logged](const std::string& line) { logged += line.size(); });
  PenPrinter printer({&log});
  LabelLog labels([&logged](const std::string& line) { logged += line.size(); });
  const auto path = fuzz::programFolder() / "job.ndrg";
  fuzz::writeFile(path, parts[0]);
  fuzz::writeFile(fuzz::programFolder() / "job.dprf", parts[1]);
  const MarkerListing listing;
  RunState run;
  RunState labelRun{u"CP"};
  const Text job = fromUtf8(path.string());
  attempt([&] { readNdrgJob(job, run, printer, labels); });
  attempt([&] { readNdrgJob(job, labelRun, printer, labels); });
  attempt([&] { readDrgJob(job, run, printer); });
  attempt([&] { readMultiDrugJob(job, run, printer); });
  return 0;
}
