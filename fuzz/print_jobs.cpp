#include "fuzz/print_jobs.h"

#include <cstddef>
#include <string>

#include "common/text/attempt.h"
#include "pillora/flags/flags.h"
#include "pillora/startup/drg_job_reader.h"
#include "pillora/startup/multi_drug_job_reader.h"
#include "pillora/startup/ndrg_job_reader.h"
#include "platform/label/label_log.h"
#include "platform/print/pen_printer.h"
#include "platform/print/print_log.h"

namespace pillora::fuzz {

void printJobs(const Text& ndrgJob, const Text& drgJob, const Text& multiDrugJob) {
  std::size_t logged = 0;
  PrintLog log([&logged](const std::string& line) { logged += line.size(); });
  PenPrinter printer({&log});
  LabelLog labels([&logged](const std::string& line) { logged += line.size(); });
  const MarkerListing listing;
  RunState run;
  RunState labelRun{u"CP"};
  attempt([&] { readNdrgJob(ndrgJob, run, printer, labels); });
  attempt([&] { readNdrgJob(ndrgJob, labelRun, printer, labels); });
  attempt([&] { readDrgJob(drgJob, run, printer); });
  attempt([&] { readMultiDrugJob(multiDrugJob, run, printer); });
}

}  // namespace pillora::fuzz
