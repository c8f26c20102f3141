// add_file_printer NAME [PORT]: adds a PostScript printer to a Wine prefix without CUPS, its
// driver Wine's wineps.drv with the generic PPD that winspool.drv carries as a resource, its
// port PORT (a file: each document is written there; default FILE:), and makes it the
// default printer. Exit status 0 when the printer was added.
#include <windows.h>
#include <winspool.h>

#include <cstdio>
#include <string>

namespace {

// The generic PPD, written into the printer driver folder; empty when it cannot be.
std::wstring writeGenericPpd() {
  HMODULE spooler = LoadLibraryExW(L"winspool.drv", nullptr, LOAD_LIBRARY_AS_DATAFILE);
  HRSRC resource = spooler ? FindResourceW(spooler, MAKEINTRESOURCEW(1), L"PPDFILE") : nullptr;
  if (resource == nullptr) {
    std::printf("winspool.drv has no PPD (error %lu)\n", GetLastError());
    return {};
  }
  const DWORD size = SizeofResource(spooler, resource);
  const void* data = LockResource(LoadResource(spooler, resource));
  wchar_t folder[MAX_PATH];
  DWORD needed = 0;
  if (!GetPrinterDriverDirectoryW(nullptr, nullptr, 1, reinterpret_cast<LPBYTE>(folder),
                                  sizeof folder, &needed)) {
    std::printf("no printer driver folder (error %lu)\n", GetLastError());
    return {};
  }
  std::wstring ppd = std::wstring(folder) + L"\\generic_file_printer.ppd";
  HANDLE file = CreateFileW(ppd.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  const bool ok = file != INVALID_HANDLE_VALUE && WriteFile(file, data, size, &written, nullptr);
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  return ok && written == size ? ppd : std::wstring();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::printf("usage: add_file_printer NAME [PORT]\n");
    return 2;
  }
  const wchar_t* name = argv[1];
  const wchar_t* port = argc > 2 ? argv[2] : L"FILE:";
  const std::wstring ppd = writeGenericPpd();
  if (ppd.empty()) return 1;

  DRIVER_INFO_3W driver{};
  driver.cVersion = 3;
  driver.pName = const_cast<LPWSTR>(name);
  driver.pDriverPath = const_cast<LPWSTR>(L"wineps.drv");
  driver.pConfigFile = const_cast<LPWSTR>(L"wineps.drv");
  driver.pDataFile = const_cast<LPWSTR>(ppd.c_str());
  driver.pDefaultDataType = const_cast<LPWSTR>(L"RAW");
  if (!AddPrinterDriverExW(nullptr, 3, reinterpret_cast<LPBYTE>(&driver), APD_COPY_NEW_FILES)) {
    std::printf("AddPrinterDriverExW: error %lu\n", GetLastError());
  }

  PRINTER_INFO_2W printer{};
  printer.pPrinterName = const_cast<LPWSTR>(name);
  printer.pPortName = const_cast<LPWSTR>(port);
  printer.pDriverName = const_cast<LPWSTR>(name);
  printer.pPrintProcessor = const_cast<LPWSTR>(L"WinPrint");
  printer.pDatatype = const_cast<LPWSTR>(L"RAW");
  printer.Attributes = PRINTER_ATTRIBUTE_LOCAL;
  HANDLE added = AddPrinterW(nullptr, 2, reinterpret_cast<LPBYTE>(&printer));
  if (added == nullptr) {
    std::printf("AddPrinterW: error %lu\n", GetLastError());
    return 2;
  }
  ClosePrinter(added);
  SetDefaultPrinterW(name);
  return 0;
}
