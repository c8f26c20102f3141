#include "platform/print/system_printers.h"

#include <optional>
#include <string>

#include "common/text/errors.h"
#include "platform/print/cups_queues.h"
#include "platform/print/document_targets.h"
#include "platform/print/page_renderer.h"

namespace pillora {

SystemPrinters::SystemPrinters() : m_files(outputFolder()) {
  std::optional<std::size_t> defaultQueue;
  for (const CupsQueue& queue : cupsQueues()) {
    if (queue.isDefault) {
      defaultQueue = m_printers.size();
    }
    m_printers.push_back({queue.entry, Kind::Queue});
  }
  const std::size_t current = defaultQueue.value_or(m_printers.size());
  m_printers.push_back({{Text(kPdfPrinterName), Text(kPdfPrinterName)}, Kind::PdfFiles});
  m_printers.push_back({{Text(kPngPrinterName), Text(kPngPrinterName)}, Kind::PngFiles});

  if (const std::string logFile = environmentValue("PILLORA_PRINT_LOG"); !logFile.empty()) {
    m_log = std::make_unique<PrintLog>(appendingFileWriter(logFile));
  }
  makeCurrent(m_printers[current]);
}

// A document still open at the end is dropped: only ended documents are printed.
SystemPrinters::~SystemPrinters() = default;

std::vector<PrinterEntry> SystemPrinters::list() {
  std::vector<PrinterEntry> entries;
  entries.reserve(m_printers.size());
  for (const Printer& printer : m_printers) {
    entries.push_back(printer.entry);
  }
  return entries;
}

void SystemPrinters::choose(std::size_t index) {
  if (index >= m_printers.size()) {
    throw SubscriptError("no printer number " + std::to_string(index));
  }
  if (m_log) {
    m_log->printerChosen(m_printers[index].entry.deviceName);
  }
  makeCurrent(m_printers[index]);
}

void SystemPrinters::makeCurrent(const Printer& printer) {
  m_output = outputFor(printer);
  if (m_log) {
    m_printer.setSinks({m_log.get(), m_output.get()});
  } else {
    m_printer.setSinks({m_output.get()});
  }
}

std::unique_ptr<PageSink> SystemPrinters::outputFor(const Printer& printer) {
  switch (printer.kind) {
    case Kind::Queue:
      return std::make_unique<PageRenderer>(std::make_unique<PdfTarget>(
          [this, queue = toUtf8(printer.entry.queueName)](const std::string& pdf) {
            sendPdfToCups(queue, m_files.jobTitle(), pdf);
          }));
    case Kind::PdfFiles:
      return std::make_unique<PageRenderer>(std::make_unique<PdfTarget>(
          [this](const std::string& pdf) { m_files.writeNewDocument(".pdf", pdf); }));
    case Kind::PngFiles:
      return std::make_unique<PageRenderer>(std::make_unique<PngTarget>(
          [this, document = std::string()](int page, const std::string& png) mutable {
            if (page == 1) {
              document = m_files.writeNewDocument("-p1.png", png);
            } else {
              writeDocumentFile(document + "-p" + std::to_string(page) + ".png", png);
            }
          }));
  }
  throw PrinterError("unknown kind of printer");
}

}  // namespace pillora
