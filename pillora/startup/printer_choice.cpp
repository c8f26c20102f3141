#include "pillora/startup/printer_choice.h"

#include <algorithm>
#include <string>
#include <vector>

#include "common/text/log_field.h"

namespace pillora {

namespace {

bool names(const PrinterEntry& entry, const Text& name) {
  return equalsIgnoreCase(trimBlanks(entry.deviceName), name) ||
         equalsIgnoreCase(trimBlanks(entry.queueName), name);
}

// The printer that prints when none is chosen, as the warning names it.
std::string defaultPrinterName(const std::vector<PrinterEntry>& entries) {
  const auto found = std::find_if(entries.begin(), entries.end(),
                                  [](const PrinterEntry& entry) { return entry.isDefault; });
  return found == entries.end() ? "none: there is no printer"
                                : "\"" + toUtf8(found->deviceName) + "\"";
}

void warnNotFound(const Text& wanted, const Printers& printers,
                  const std::vector<PrinterEntry>& entries, std::ostream& notices) {
  notices << "pillora: no printer is named \"" << escapeLogField(wanted) << "\"";
  if (const std::string missing = printers.missingPrinters(); !missing.empty()) {
    notices << " (" << missing << ")";
  }
  notices << "; the bags go to the default printer " << defaultPrinterName(entries) << "\n";
}

}  // namespace

void choosePrinter(const Text& wanted, Printers& printers, std::ostream& notices) {
  const Text name = trimBlanks(wanted);
  if (name.empty()) {
    return;  // no printer asked for
  }
  const std::vector<PrinterEntry> builtIn = printers.builtIn();
  const auto reserved =
      std::find_if(builtIn.begin(), builtIn.end(),
                   [&name](const PrinterEntry& entry) { return names(entry, name); });
  if (reserved != builtIn.end()) {
    printers.chooseBuiltIn(static_cast<std::size_t>(reserved - builtIn.begin()));
    return;
  }
  const std::vector<PrinterEntry> entries = printers.list();
  bool found = false;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (names(entries[i], name)) {
      printers.choose(i);
      found = true;
    }
  }
  if (!found) {
    warnNotFound(name, printers, entries, notices);
  }
}

void listPrinters(Printers& printers, std::ostream& out, std::ostream& notices) {
  for (const PrinterEntry& entry : printers.list()) {
    out << toUtf8(entry.deviceName) << '\t' << toUtf8(entry.queueName)
        << (entry.isDefault ? "\tdefault" : "") << (entry.isRaw ? "\traw queue: labels only" : "")
        << '\n';
  }
  if (const std::string missing = printers.missingPrinters(); !missing.empty()) {
    notices << "pillora: " << missing << "\n";
  }
}

}  // namespace pillora
