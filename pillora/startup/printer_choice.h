#pragma once
// The printer a job asks for, and the list of the printers a name can match.
#include <ostream>

#include "common/print/printer_surface.h"
#include "common/text/text.h"

namespace pillora {

// A built-in printer whose name equals the trimmed wanted name, letter case ignored as
// Windows ignores it, becomes current, and the other printers are not asked for. Else every
// printer whose trimmed device name (or queue name) equals it becomes current in turn, so
// the last match wins. No match keeps the default printer, and one warning line on `notices` names
// the printer asked for (control characters escaped as in the logs) and the one used. A blank name
// asks for no printer.
void choosePrinter(const Text& wanted, Printers& printers, std::ostream& notices);

// One line per printer: device name, TAB, queue name, then TAB "default" for the default
// printer and TAB "raw queue: labels only" for a raw queue. Why printers are missing from
// the list goes to `notices`.
void listPrinters(Printers& printers, std::ostream& out, std::ostream& notices);

}  // namespace pillora
