// The Windows build keeps no archive (archive_pdf.h) and has no PDF reader.
#include "common/text/errors.h"
#include "platform/archive/archive_find.h"

namespace pillora {

std::vector<std::filesystem::path> findInArchive(const ArchiveFolder& /*archive*/,
                                                 const std::string& /*text*/,
                                                 std::optional<Day> /*from*/,
                                                 std::optional<Day> /*to*/,
                                                 const UnreadableFile& /*unreadable*/) {
  throw FileError("the Windows build of pillora keeps no archive to search");
}

}  // namespace pillora
