#pragma once
// The archive of printed bags: with an archive folder set, every job that prints bags also
// leaves one PDF of the pages it printed in that folder (platform/archive/archive_store.h),
// drawn from the same calls as the printed pages. The folder is PILLORA_ARCHIVE_DIR, else
// the first line of "archive.config" in the program folder; its second line is the number
// of days to keep (today included; empty: every day is kept).
//
// The archive never fails a job: a copy that cannot be written, or old days that cannot be
// removed, is one line on the notices (standard error, the job log).
#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "common/print/printer_surface.h"

namespace pillora {

struct ArchiveSettings {
  std::string folder;
  std::optional<int> keepDays;
};

// Nothing when no archive folder is set. A second line of "archive.config" that is no whole
// number of days above 0 keeps every day, and a notice says so.
std::optional<ArchiveSettings> archiveSettings(std::ostream& notices);

// Prints the job `jobPath` through `print` on `printer`; with an archive set, removes its
// days past keeping first (at most once a day) and keeps a copy of what `print` printed,
// also when it fails part way (then of the documents printed before).
void printArchived(const Text& jobPath, PrinterSurface& printer,
                   const std::function<void(PrinterSurface&)>& print, std::ostream& notices);

}  // namespace pillora
