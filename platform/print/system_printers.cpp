#include "platform/print/system_printers.h"

#include <optional>
#include <string>
#include <utility>

#include "common/log/run_record.h"
#include "common/text/errors.h"
#include "platform/print/cups_queues.h"
#include "platform/print/document_targets.h"
#include "platform/print/installed_printers.h"
#include "platform/print/page_renderer.h"

namespace pillora {

namespace {

// The files of a PNG document: -p1.png, -p2.png, ...
std::vector<DocumentFile> pngFiles(const std::vector<std::string>& pages) {
  std::vector<DocumentFile> files;
  files.reserve(pages.size());
  for (std::size_t i = 0; i < pages.size(); ++i) {
    files.push_back({"-p" + std::to_string(i + 1) + ".png", pages[i]});
  }
  return files;
}

// A raw queue would hand the PDF of a bag to the printer as it is (a label printer prints
// it as garbage), so its documents fail at their first drawing call.
class RawQueueRefusal : public PageSink {
 public:
  explicit RawQueueRefusal(std::string queue) : m_queue(std::move(queue)) {}
  void text(const Pen& /*pen*/, const Text& /*text*/) override { refuse(); }
  void line(float /*x1*/, float /*y1*/, float /*x2*/, float /*y2*/) override { refuse(); }
  void newPage() override { refuse(); }
  void endDoc() override {}
  void dropDoc() override {}

 private:
  [[noreturn]] void refuse() const {
    throw PrinterError("cannot print bags on " + m_queue +
                       ": it is a raw queue (no driver), which takes labels only");
  }
  std::string m_queue;
};

}  // namespace

SystemPrinters::SystemPrinters() : m_files(outputFolder()), m_log(printLogFromEnvironment()) {}

// A document still open at the end is dropped: only ended documents are printed.
SystemPrinters::~SystemPrinters() = default;

std::vector<SystemPrinters::Printer> SystemPrinters::builtInPrinters() {
  return {{{Text(kPdfPrinterName), Text(kPdfPrinterName)}, Kind::PdfFiles},
          {{Text(kPngPrinterName), Text(kPngPrinterName)}, Kind::PngFiles}};
}

const std::vector<SystemPrinters::Printer>& SystemPrinters::printers() {
  if (!m_printers.empty()) {
    return m_printers;
  }
  std::optional<std::size_t> defaultQueue;
  for (const CupsQueue& queue : cupsQueues()) {
    if (queue.entry.isDefault) {
      defaultQueue = m_printers.size();
    }
    m_printers.push_back({queue.entry, Kind::Queue});
  }
  if (m_printers.empty()) {
    m_missing = silentCupsServer().value_or("");
  }
  m_default = defaultQueue.value_or(m_printers.size());
  for (Printer& printer : builtInPrinters()) {
    m_printers.push_back(std::move(printer));
  }
  m_printers[m_default].entry.isDefault = true;
  return m_printers;
}

std::vector<PrinterEntry> SystemPrinters::list() {
  std::vector<PrinterEntry> entries;
  entries.reserve(printers().size());
  for (const Printer& printer : printers()) {
    entries.push_back(printer.entry);
  }
  return entries;
}

std::vector<PrinterEntry> SystemPrinters::builtIn() const {
  std::vector<PrinterEntry> entries;
  for (const Printer& printer : builtInPrinters()) {
    entries.push_back(printer.entry);
  }
  return entries;
}

void SystemPrinters::choose(std::size_t index) {
  chooseFrom(printers(), index);
}

void SystemPrinters::chooseBuiltIn(std::size_t index) {
  chooseFrom(builtInPrinters(), index);
}

void SystemPrinters::chooseFrom(const std::vector<Printer>& from, std::size_t index) {
  if (index >= from.size()) {
    throw SubscriptError("no printer number " + std::to_string(index));
  }
  if (m_log) {
    m_log->printerChosen(from[index].entry.deviceName);
  }
  makeCurrent(from[index]);
}

PrinterSurface& SystemPrinters::current() {
  if (!m_hasCurrent) {
    makeCurrent(printers()[m_default]);
  }
  return m_printer;
}

PdfTarget::Title SystemPrinters::jobTitle() const {
  return [this] { return m_files.jobTitle(); };
}

void SystemPrinters::makeCurrent(const Printer& printer) {
  m_hasCurrent = true;
  currentRun().set("printer", printer.entry.deviceName);
  m_output = outputFor(printer);
  m_printer.setSinks(sinksWithLog(m_log.get(), m_output.get()));
}

std::unique_ptr<PageSink> SystemPrinters::outputFor(const Printer& printer) {
  if (printer.entry.isRaw) {
    return std::make_unique<RawQueueRefusal>(toUtf8(printer.entry.queueName));
  }
  switch (printer.kind) {
    case Kind::Queue: {
      const std::string queue = toUtf8(printer.entry.queueName);
      const Margins margins = cupsA4Margins(queue);
      return std::make_unique<PageRenderer>(std::make_unique<PdfTarget>(
                                                [this, queue](const std::string& pdf) {
                                                  sendPdfToCups(queue, m_files.jobTitle(), pdf);
                                                },
                                                jobTitle()),
                                            PageOrigin{margins.left, margins.top, margins.right});
    }
    case Kind::PdfFiles:
      return std::make_unique<PageRenderer>(std::make_unique<PdfTarget>(
          [this](const std::string& pdf) {
            m_files.writeNewDocument({{".pdf", pdf}});
          },
          jobTitle()));
    case Kind::PngFiles:
      return std::make_unique<PageRenderer>(
          std::make_unique<PngTarget>([this](const std::vector<std::string>& pages) {
            m_files.writeNewDocument(pngFiles(pages));
          }));
  }
  throw PrinterError("unknown kind of printer");
}

std::unique_ptr<Printers> installedPrinters() {
  return std::make_unique<SystemPrinters>();
}

}  // namespace pillora
