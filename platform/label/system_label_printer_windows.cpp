// Label jobs to the Windows printer of the label printer's name as RAW documents: the
// printer gets the TSPL commands as they are, without a driver in between.
#include <windows.h>
#include <winspool.h>

#include <string>

#include "common/log/run_record.h"
#include "common/text/errors.h"
#include "platform/files/wide_text.h"
#include "platform/files/windows_error.h"
#include "platform/label/system_label_printer.h"

namespace pillora {

namespace {

class PrinterHandle {
 public:
  explicit PrinterHandle(const std::wstring& name) {
    if (OpenPrinterW(const_cast<wchar_t*>(name.c_str()), &m_handle, nullptr) == 0) {
      m_handle = nullptr;
    }
  }
  PrinterHandle(const PrinterHandle&) = delete;
  PrinterHandle& operator=(const PrinterHandle&) = delete;
  ~PrinterHandle() {
    if (m_handle != nullptr) ClosePrinter(m_handle);
  }
  HANDLE get() const { return m_handle; }

 private:
  HANDLE m_handle = nullptr;
};

[[noreturn]] void refused(const char* call, const Text& printer) {
  throw PrinterError(std::string(call) + " failed on the label printer " + toUtf8(printer) + " (" +
                     windowsError() + ")");
}

void sendRaw(HANDLE printer, const Text& printerName, const std::wstring& title,
             const std::string& bytes) {
  DOC_INFO_1W document{};
  document.pDocName = const_cast<wchar_t*>(title.c_str());
  document.pDatatype = const_cast<wchar_t*>(L"RAW");
  const DWORD job = StartDocPrinterW(printer, 1, reinterpret_cast<BYTE*>(&document));
  if (job == 0) {
    refused("StartDocPrinterW", printerName);
  }
  currentRun().add("spooler-job", printerName + u"-" + fromUtf8(std::to_string(job)));
  DWORD written = 0;
  const bool sent = StartPagePrinter(printer) != 0 &&
                    WritePrinter(printer, const_cast<char*>(bytes.data()),
                                 static_cast<DWORD>(bytes.size()), &written) != 0 &&
                    written == bytes.size() && EndPagePrinter(printer) != 0;
  if (!sent) {
    AbortPrinter(printer);
    refused("WritePrinter", printerName);
  }
  if (EndDocPrinter(printer) == 0) refused("EndDocPrinter", printerName);
}

}  // namespace

void SystemLabelPrinter::deliver(const LabelJob& job) {
  const Text name = trimBlanks(job.printerName);
  if (const PrinterHandle printer(wideOf(name)); printer.get() != nullptr) {
    currentRun().set("printer", name);
    sendRaw(printer.get(), name, wideOf(fromUtf8(m_files.jobTitle())), job.tspl);
    return;
  }
  m_files.writeNewDocument({{".tspl", job.tspl}});
}

}  // namespace pillora
