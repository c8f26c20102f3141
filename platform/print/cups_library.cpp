#include "platform/print/cups_library.h"

#include <iostream>

namespace pillora {

namespace {

CupsLibrary bound(const LoadedLibrary& library) {
  CupsLibrary cups;
  library.bind(cups.cupsGetDests2, "cupsGetDests2");
  library.bind(cups.cupsFreeDests, "cupsFreeDests");
  library.bind(cups.cupsGetNamedDest, "cupsGetNamedDest");
  library.bind(cups.cupsGetOption, "cupsGetOption");
  library.bind(cups.cupsLastErrorString, "cupsLastErrorString");
  library.bind(cups.cupsServer, "cupsServer");
  library.bind(cups.cupsEncryption, "cupsEncryption");
  library.bind(cups.ippPort, "ippPort");
  library.bind(cups.httpConnect2, "httpConnect2");
  library.bind(cups.httpClose, "httpClose");
  library.bind(cups.cupsCopyDestInfo, "cupsCopyDestInfo");
  library.bind(cups.cupsFreeDestInfo, "cupsFreeDestInfo");
  library.bind(cups.cupsGetDestMediaByName, "cupsGetDestMediaByName");
  library.bind(cups.cupsCreateJob, "cupsCreateJob");
  library.bind(cups.cupsStartDocument, "cupsStartDocument");
  library.bind(cups.cupsWriteRequestData, "cupsWriteRequestData");
  library.bind(cups.cupsFinishDocument, "cupsFinishDocument");
  library.bind(cups.cupsCancelJob2, "cupsCancelJob2");
  return cups;
}

}  // namespace

std::unique_ptr<const CupsLibrary> loadCupsLibrary(const char* name, std::ostream& warnings) {
  try {
    return std::make_unique<const CupsLibrary>(bound(LoadedLibrary(name)));
  } catch (const LibraryError& error) {
    warnings << "pillora: there are no CUPS printers: " << kNoCupsLibrary << " (" << error.what()
             << ")\n";
    return nullptr;
  }
}

const CupsLibrary* cupsLibrary() {
  static const std::unique_ptr<const CupsLibrary> library =
      loadCupsLibrary(kCupsLibraryName, std::cerr);
  return library.get();
}

}  // namespace pillora
