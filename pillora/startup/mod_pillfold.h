#pragma once
// Start-up of the drug-bag program: reads the command line the host application wrote
// (job path, TAB, print option, TAB, printer name), answers the program's own options
// (/V, --version, --help, -h, --list-printers), chooses the printer, keeps the print option
// and the sheet number, and hands the job file to the reader its extension names. A print
// option that means nothing, fields past the third and a printer name that matches none
// are each warned about on one line of `err`.
#include <functional>

#include "common/print/printer_surface.h"
#include "common/text/text.h"
#include "pillora/records/run_state.h"
#include "pillora/startup/front_answers.h"

namespace pillora {

using JobReader = std::function<void(const Text& path, RunState& run, PrinterSurface& surface)>;

struct JobReaders {
  JobReader ndrg;
  JobReader drg;
  JobReader multiDrug;
};

// The printers of the machine, asked for once a job is to print (never for the version or a
// usage error); PrinterError when they cannot be had.
using PrinterSource = std::function<Printers&()>;

// One run for one command line; the job, its print option and the printer asked for go to
// the run's record. Returns the exit status.
int Main(const Text& commandLine, const PrinterSource& findPrinters, const JobReaders& readers,
         StartupIo io);

}  // namespace pillora
