#pragma once
// The printers of this machine: every CUPS print queue, then the two built-in printers
// "Pillora PDF" (one PDF file per document) and "Pillora PNG" (one PNG file per page),
// whose files go to the folder PILLORA_OUTPUT_DIR (default: the current folder), named
// after the job file.
//
// The built-in printers' names are reserved: choosing one by name (chooseBuiltIn) never
// asks CUPS. The CUPS queues are listed when first needed: for the list, or for the
// current printer when none was chosen, which is the CUPS default destination, else
// "Pillora PDF". A raw queue (no driver) takes no bags: a document's first drawing call on
// it fails with PrinterError naming the queue. A document for a CUPS queue is rendered to PDF and
// sent as one job when the document ends; its positions start at the corner of the printable area
// the queue reports for A4. When PILLORA_PRINT_LOG names a file, every call is also appended to
// that print log, and so is the choice of a printer.
#include <memory>
#include <string>
#include <vector>

#include "platform/print/document_targets.h"
#include "platform/print/output_files.h"
#include "platform/print/pen_printer.h"
#include "platform/print/print_log.h"

namespace pillora {

inline constexpr TextView kPdfPrinterName = u"Pillora PDF";
inline constexpr TextView kPngPrinterName = u"Pillora PNG";

class SystemPrinters : public Printers {
 public:
  // Reads the environment. PrinterError when the print log cannot be opened.
  SystemPrinters();
  SystemPrinters(const SystemPrinters&) = delete;
  SystemPrinters& operator=(const SystemPrinters&) = delete;
  ~SystemPrinters() override;

  std::vector<PrinterEntry> list() override;
  // SubscriptError for an index outside list().
  void choose(std::size_t index) override;
  std::vector<PrinterEntry> builtIn() const override;
  // SubscriptError for an index outside builtIn().
  void chooseBuiltIn(std::size_t index) override;
  PrinterSurface& current() override;
  void setJobName(const Text& jobPath) override { m_files.setJobName(jobPath); }
  std::string missingPrinters() const override { return m_missing; }

 private:
  enum class Kind { Queue, PdfFiles, PngFiles };
  struct Printer {
    PrinterEntry entry;
    Kind kind;
  };

  static std::vector<Printer> builtInPrinters();
  // The CUPS queues (listed on the first call), then the built-in printers.
  const std::vector<Printer>& printers();
  void chooseFrom(const std::vector<Printer>& from, std::size_t index);
  void makeCurrent(const Printer& printer);
  // The job file's name as it is when a document begins: the title of its PDF.
  PdfTarget::Title jobTitle() const;
  std::unique_ptr<PageSink> outputFor(const Printer& printer);

  std::vector<Printer> m_printers;
  std::size_t m_default = 0;  // the index in m_printers of the printer that prints unchosen
  std::string m_missing;      // why there are no CUPS queues
  bool m_hasCurrent = false;
  OutputFiles m_files;
  std::unique_ptr<PrintLog> m_log;
  std::unique_ptr<PageSink> m_output;
  PenPrinter m_printer{{}};
};

}  // namespace pillora
