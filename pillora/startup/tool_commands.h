#pragma once
// The program's commands beside printing a job, for the pharmacist at a shell:
//   --calibrate [PRINTER]   the calibration sheet, on the printer a job would print on
//   --archive-find TEXT [--from YYYY-MM-DD] [--to YYYY-MM-DD]
//                           the archived bag files whose text holds TEXT
#include <optional>

#include "pillora/startup/mod_pillfold.h"

namespace pillora {

// The exit status of the command the line names; nothing when it names none (a job).
std::optional<int> runToolCommand(const Text& commandLine, const PrinterSource& findPrinters,
                                  StartupIo io);

}  // namespace pillora
