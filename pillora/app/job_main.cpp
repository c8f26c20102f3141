#include "pillora/app/job_main.h"

#include <exception>
#include <iostream>

#include "pillora/archive/job_archive.h"
#include "pillora/startup/drg_job_reader.h"
#include "pillora/startup/mod_pillfold.h"
#include "pillora/startup/multi_drug_job_reader.h"
#include "pillora/startup/ndrg_job_reader.h"
#include "platform/files/files.h"
#include "platform/label/system_label_printer.h"
#include "platform/log/run_log.h"
#include "platform/print/installed_printers.h"
#include "platform/process/standard_output.h"

namespace {

// The reader prints through the archive: what it prints is also kept there (archive.config).
pillora::JobReader archived(pillora::JobReader reader) {
  using namespace pillora;
  return [reader = std::move(reader)](const Text& path, RunState& run, PrinterSurface& surface) {
    printArchived(
        path, surface, [&](PrinterSurface& printer) { reader(path, run, printer); }, std::cerr);
  };
}

int printJob(int argc, char** argv) {
  using namespace pillora;
  try {
    const Text commandLine = hostCommandLine().value_or(commandLineFromArguments(argc, argv));
    std::unique_ptr<Printers> printers;
    const PrinterSource findPrinters = [&printers]() -> Printers& {
      printers = installedPrinters();
      return *printers;
    };
    SystemLabelPrinter labels;
    const JobReader ndrg = [&labels](const Text& path, RunState& run, PrinterSurface& surface) {
      labels.setJobName(path);
      readNdrgJob(path, run, surface, labels.port());
    };
    const JobReaders readers{archived(ndrg), archived(readDrgJob), archived(readMultiDrugJob)};
    return answerThrough("pillora", [&](std::ostream& out) {
      return Main(commandLine, findPrinters, readers, {out, std::cerr});
    });
  } catch (const std::exception& error) {
    // Whatever went wrong, the host application gets one line and a failed status.
    std::cerr << "pillora: " << error.what() << "\n";
    return kExitFailed;
  }
}

}  // namespace

int pillora_job_main(int argc, char** argv) {
  pillora::RunLog log("pillora", "pillora.log");
  return log.finish(printJob(argc, argv));
}
