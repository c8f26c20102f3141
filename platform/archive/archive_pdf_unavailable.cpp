// The Windows build draws through GDI and has no PDF renderer of its own: no archive copy.
#include "common/text/errors.h"
#include "platform/archive/archive_pdf.h"

namespace pillora {

std::string archivePdf(const RecordedPages& /*pages*/, const std::string& /*title*/) {
  throw FileError("the Windows build of pillora has no PDF renderer for the archive");
}

}  // namespace pillora
