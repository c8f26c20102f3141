#pragma once
// The test form's sample bag: a single-drug bag whose fields mostly show the name of the
// property they come from, so that a layout can be checked on paper without a job file.
#include "pillora/records/drug_bag_item.h"
#include "common/print/printer_surface.h"
#include "pillora/records/run_state.h"

namespace pillora {

// A new record with the sample values; every other property empty, IsMutilDrug false.
DrugBagItemRef makeSampleItem();

// What one click of Command1 does: a new sample record on a new print engine, printed
// once with the single-drug bag layout. Failures reach the caller.
void printSampleBag(PrinterSurface& surface, RunState& run);

}  // namespace pillora
