#pragma once
// The printers of a Windows machine: the local printers and the printer connections, in the
// order Windows lists them, each known by its device name. The current printer is the
// chosen one, else the Windows default printer. Documents are drawn through GDI: a document
// starts (named after the job file) at its first drawing call; positions are converted from
// twips with the device's resolution and measured, as the system's printer object measures
// them, from the corner of the printable area, where a printer device context has its
// origin. When PILLORA_PRINT_LOG names a file, every call is also appended to that print
// log, and so is the choice of a printer.
#include <memory>
#include <string>
#include <vector>

#include "platform/print/pen_printer.h"
#include "platform/print/print_log.h"

namespace pillora {

class GdiDocument;

class GdiPrinters : public Printers {
 public:
  // PrinterError when the print log cannot be opened.
  GdiPrinters();
  GdiPrinters(const GdiPrinters&) = delete;
  GdiPrinters& operator=(const GdiPrinters&) = delete;
  ~GdiPrinters() override;

  std::vector<PrinterEntry> list() override { return m_printers; }
  // SubscriptError for an index outside list().
  void choose(std::size_t index) override;
  PrinterSurface& current() override { return m_printer; }
  void setJobName(const Text& jobPath) override;

 private:
  void makeCurrent(const Text& printerName);

  std::vector<PrinterEntry> m_printers;
  std::wstring m_title = L"pillora";
  std::unique_ptr<PrintLog> m_log;
  std::unique_ptr<GdiDocument> m_output;
  PenPrinter m_printer{{}};
};

// The names of the printers Windows lists (local printers and connections).
std::vector<Text> windowsPrinterNames();
// The Windows default printer; empty when there is none.
Text windowsDefaultPrinter();

}  // namespace pillora
