#pragma once
// Prints jobs as the program does, through a print log and a label log into memory: a
// ".ndrg" job as bags and, with print option "CP", as labels; a ".drg" job; a multi-drug job.
// Every failure must be one of the system's own errors.
#include "common/text/text.h"

namespace pillora::fuzz {

void printJobs(const Text& ndrgJob, const Text& drgJob, const Text& multiDrugJob);

}  // namespace pillora::fuzz
