#pragma once
// The multi-drug bag job: every job whose path ends neither in ".ndrg" nor in ".drg".
// Three drugs in 35 lines, packed into one record and printed as one multi-drug bag.
#include "common/print/printer_surface.h"
#include "common/text/text.h"
#include "pillora/records/run_state.h"

namespace pillora {

// Reads the 11 header lines and three groups of 8 drug lines; each drug property holds the
// three drugs' values joined with "@" (codes stay as written: the layout expands them).
// A file that cannot be read or holds fewer than 35 lines prints nothing: FileError.
// Printing failures reach the caller.
void readMultiDrugJob(const Text& path, RunState& run, PrinterSurface& surface);

}  // namespace pillora
