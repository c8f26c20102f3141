// Arbitrary bytes as a job file of each of the three formats, read and printed through a
// print log (and, with print option "CP", a label log) into memory: no crash, no hang,
// every failure one of the system's own errors.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "common/text/attempt.h"
#include "pillora/startup/drg_job_reader.h"
#include "pillora/startup/multi_drug_job_reader.h"
#include "pillora/startup/ndrg_job_reader.h"
#include "platform/label/label_log.h"
#include "platform/print/pen_printer.h"
#include "platform/print/print_log.h"

namespace {

// An empty program folder of its own: no profile database, no settings, no markers. It
// lives as long as the process and is removed when the process ends.
const std::filesystem::path& programFolder() {
  static const std::filesystem::path* const folder = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "pillora-fuzz-XXXXXX").string();
    const auto* made = new std::filesystem::path(mkdtemp(pattern.data()));
    setenv("PILLORA_HOME", made->c_str(), 1);
    setenv("TMPDIR", made->c_str(), 1);  // the label text file goes there
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(programFolder(), ignored);
    });
    return made;
  }();
  return *folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pillora;
  std::size_t logged = 0;
  PrintLog log([&logged](const std::string& line) { logged += line.size(); });
  PenPrinter printer({&log});
  LabelLog labels([&logged](const std::string& line) { logged += line.size(); });
  for (const char* name : {"job.ndrg", "job.drg", "job.txt"}) {
    const std::filesystem::path path = programFolder() / name;
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(data),
                                                static_cast<std::streamsize>(size));
    RunState run;
    RunState labelRun{u"CP"};
    const Text job = fromUtf8(path.string());
    attempt([&] { readNdrgJob(job, run, printer, labels); });
    attempt([&] { readNdrgJob(job, labelRun, printer, labels); });
    attempt([&] { readDrgJob(job, run, printer); });
    attempt([&] { readMultiDrugJob(job, run, printer); });
  }
  return 0;
}
