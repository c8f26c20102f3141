#pragma once
// libcups, loaded when a CUPS queue is first needed (listing the queues, printing bags or
// labels on one), so that runs that need none (the version, the help, a job for a built-in
// printer) never load it and the dozens of libraries it needs. Every libcups function the
// program calls goes through this table.
#include <cups/cups.h>

#include <memory>
#include <ostream>

#include "platform/process/loaded_library.h"

namespace pillora {

inline constexpr const char* kCupsLibraryName = "libcups.so.2";

struct CupsLibrary {
  decltype(&::cupsGetDests2) cupsGetDests2 = nullptr;
  decltype(&::cupsFreeDests) cupsFreeDests = nullptr;
  decltype(&::cupsGetNamedDest) cupsGetNamedDest = nullptr;
  decltype(&::cupsGetOption) cupsGetOption = nullptr;
  decltype(&::cupsLastErrorString) cupsLastErrorString = nullptr;
  decltype(&::cupsServer) cupsServer = nullptr;
  decltype(&::cupsEncryption) cupsEncryption = nullptr;
  decltype(&::ippPort) ippPort = nullptr;
  decltype(&::httpConnect2) httpConnect2 = nullptr;
  decltype(&::httpClose) httpClose = nullptr;
  decltype(&::cupsCopyDestInfo) cupsCopyDestInfo = nullptr;
  decltype(&::cupsFreeDestInfo) cupsFreeDestInfo = nullptr;
  decltype(&::cupsGetDestMediaByName) cupsGetDestMediaByName = nullptr;
  decltype(&::cupsCreateJob) cupsCreateJob = nullptr;
  decltype(&::cupsStartDocument) cupsStartDocument = nullptr;
  decltype(&::cupsWriteRequestData) cupsWriteRequestData = nullptr;
  decltype(&::cupsFinishDocument) cupsFinishDocument = nullptr;
  decltype(&::cupsCancelJob2) cupsCancelJob2 = nullptr;
};

// The library of that name with every function of the table; nullptr when it cannot be
// loaded or lacks one of them, and then one warning line on `warnings` says that there are
// no CUPS printers and why (the loader's reason).
std::unique_ptr<const CupsLibrary> loadCupsLibrary(const char* name, std::ostream& warnings);

// The process's libcups (kCupsLibraryName), loaded on the first call, its warning on
// standard error; nullptr when it cannot be had.
const CupsLibrary* cupsLibrary();

// "libcups cannot be loaded" when cupsLibrary() is nullptr.
inline constexpr const char* kNoCupsLibrary = "libcups cannot be loaded";

}  // namespace pillora
