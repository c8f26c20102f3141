#pragma once
// The printers of this machine as the platform has them: CUPS queues and the built-in file
// printers on Linux (system_printers.h), the Windows printers drawn on through GDI on
// Windows (gdi_printers.h).
#include <memory>

#include "common/print/printer_surface.h"

namespace pillora {

// PrinterError when the print log cannot be opened.
std::unique_ptr<Printers> installedPrinters();

}  // namespace pillora
