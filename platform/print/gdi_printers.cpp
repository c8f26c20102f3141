#include "platform/print/gdi_printers.h"

#include <windows.h>
#include <winspool.h>

#include <algorithm>
#include <string>

#include "common/log/run_record.h"
#include "common/text/errors.h"
#include "platform/files/wide_text.h"
#include "platform/print/gdi_document.h"
#include "platform/print/installed_printers.h"
#include "platform/print/output_files.h"

namespace pillora {

std::vector<Text> windowsPrinterNames() {
  constexpr DWORD kWhich = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
  DWORD needed = 0;
  DWORD count = 0;
  EnumPrintersW(kWhich, nullptr, 4, nullptr, 0, &needed, &count);
  // PRINTER_INFO_4W records followed by their strings, aligned as the records need.
  std::vector<PRINTER_INFO_4W> buffer(needed / sizeof(PRINTER_INFO_4W) + 1);
  if (EnumPrintersW(kWhich, nullptr, 4, reinterpret_cast<BYTE*>(buffer.data()),
                    static_cast<DWORD>(buffer.size() * sizeof(PRINTER_INFO_4W)), &needed,
                    &count) == 0) {
    return {};
  }
  std::vector<Text> names;
  names.reserve(count);
  for (DWORD i = 0; i < count; ++i) {
    names.push_back(textOf(buffer[i].pPrinterName));
  }
  return names;
}

Text windowsDefaultPrinter() {
  DWORD size = 0;
  GetDefaultPrinterW(nullptr, &size);
  std::wstring name(size, L'\0');
  if (size == 0 || GetDefaultPrinterW(name.data(), &size) == 0) {
    return {};
  }
  name.resize(size > 0 ? size - 1 : 0);  // the size counts the closing NUL
  return textOf(name);
}

GdiPrinters::GdiPrinters() : m_log(printLogFromEnvironment()) {
  const Text defaultPrinter = windowsDefaultPrinter();
  for (const Text& name : windowsPrinterNames()) {
    m_printers.push_back({name, name, name == defaultPrinter});
  }
  makeCurrent(defaultPrinter);
}

GdiPrinters::~GdiPrinters() = default;

void GdiPrinters::choose(std::size_t index) {
  if (index >= m_printers.size()) {
    throw SubscriptError("no printer number " + std::to_string(index));
  }
  if (m_log) {
    m_log->printerChosen(m_printers[index].deviceName);
  }
  makeCurrent(m_printers[index].deviceName);
}

void GdiPrinters::setJobName(const Text& jobPath) {
  m_title = wideOf(fromUtf8(jobFileName(jobPath)));
}

void GdiPrinters::makeCurrent(const Text& printerName) {
  currentRun().set("printer", printerName);
  m_output = std::make_unique<GdiDocument>(wideOf(printerName), [this] { return m_title; });
  m_printer.setSinks(sinksWithLog(m_log.get(), m_output.get()));
}

std::unique_ptr<Printers> installedPrinters() {
  return std::make_unique<GdiPrinters>();
}

}  // namespace pillora
