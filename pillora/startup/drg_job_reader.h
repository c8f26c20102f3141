#pragma once
// The ".drg" job: one drug for one patient in 20 lines, printed as one single-drug bag.
#include "common/print/printer_surface.h"
#include "common/text/text.h"
#include "pillora/records/run_state.h"

namespace pillora {

// Reads the job, derives the printed texts, completes the drug from the profile database
// and prints the bag on `surface`. A file that cannot be read or holds fewer than 20 lines
// prints nothing: FileError. Every later step that fails is skipped and the record keeps
// what it had; printing failures reach the caller.
void readDrgJob(const Text& path, RunState& run, PrinterSurface& surface);

}  // namespace pillora
