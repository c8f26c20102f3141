#pragma once
// The reader of the main job format, ".ndrg": 13 header lines, 11-line drug blocks up to
// the line "//End DrugBagInfo", and an optional ".dprf" receipt file beside the job. Every
// drug is completed from the drug-profile database and its codes expanded; then the job is
// printed one page per drug on the current printer.
#include "common/print/label_printer.h"
#include "common/print/printer_surface.h"
#include "common/text/text.h"
#include "pillora/records/run_state.h"

namespace pillora {

// Reads and prints one job. Each line and each derived value is taken on its own: one that
// cannot be read or converted is left as it was. FileError when the job file cannot be
// opened; a job without a drug block prints nothing. With the print option "CP" the job
// is read completely and goes to the label printer `labels` instead of the bag printer;
// a label job that cannot be composed, printed or written fails with the reason.
void readNdrgJob(const Text& path, RunState& run, PrinterSurface& surface, LabelPrinter& labels);

}  // namespace pillora
