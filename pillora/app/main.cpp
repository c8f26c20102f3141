// The drug-bag program: one run prints one job. See README.md for the command line.
#include <iostream>

#include "common/text/errors.h"
#include "pillora/startup/drg_job_reader.h"
#include "pillora/startup/mod_pillfold.h"
#include "pillora/startup/multi_drug_job_reader.h"
#include "pillora/startup/ndrg_job_reader.h"
#include "platform/print/system_printers.h"

int main(int argc, char** argv) {
  using namespace pillora;
  const Text commandLine = commandLineFromArguments(argc, argv);
  const JobReaders readers{readNdrgJob, readDrgJob, readMultiDrugJob};
  try {
    SystemPrinters printers;
    return Main(commandLine, printers, readers, {std::cout, std::cerr});
  } catch (const AppError& error) {
    std::cerr << "pillora: " << error.what() << "\n";
    return kExitFailed;
  }
}
