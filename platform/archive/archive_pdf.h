#pragma once
// The archive copy of a job: one PDF of every page its printer printed, drawn from the
// recorded calls the way the printer drew them (from the sheet's corner), with the job file's
// name as its title, pillora and its version as its creator and the time it was made.
// Nothing of the bags' contents goes into the PDF's metadata.
#include <string>

#include "platform/archive/recorded_pages.h"

namespace pillora {

// The PDF's bytes. FileError where the build has no PDF renderer (Windows), PrinterError
// when a page cannot be drawn.
std::string archivePdf(const RecordedPages& pages, const std::string& title);

}  // namespace pillora
