#pragma once
// The print queues of the CUPS server (libcups; the server is the one CUPS itself picks:
// CUPS_SERVER, client.conf, the local scheduler).
#include <optional>
#include <string>
#include <vector>

#include "common/print/printer_surface.h"

namespace pillora {

struct CupsQueue {
  // Device name: the queue's description (printer-info) when it has one, else the queue
  // name. Queue name: the destination's name. An instance (lpoptions) adds "/instance" to
  // both. Default: the CUPS default destination, LPDEST and PRINTER honoured as CUPS does.
  // Raw: a queue without a driver (printer-make-and-model "Local Raw Printer").
  PrinterEntry entry;
};

// Every destination in CUPS's order; none when no server answers.
std::vector<CupsQueue> cupsQueues();

// "the print server <server> does not answer" when it does not; none when it answers.
std::optional<std::string> silentCupsServer();

// The left, top and right margins of an A4 sheet on the queue's printer, in points: where
// its printable area begins and ends, as CUPS reports it (the driver's PPD ImageableArea,
// the printer's media-col). All 0 when CUPS reports no A4 margins (a raw queue) or cannot
// be asked.
struct Margins {
  double left = 0.0;
  double top = 0.0;
  double right = 0.0;
};
Margins cupsA4Margins(const std::string& queueName);

// Sends one PDF document as one job (application/pdf) titled `title`. When CUPS refuses or
// cannot be reached, PrinterError says so in one line: "cannot print on <queue>: <reason>".
void sendPdfToCups(const std::string& queueName, const std::string& title, const std::string& pdf);

// The same for a document of any format (a MIME type: "application/vnd.cups-raw" hands the
// bytes to the printer as they are).
void sendDocumentToCups(const std::string& queueName, const std::string& title,
                        const std::string& document, const char* format);

}  // namespace pillora
