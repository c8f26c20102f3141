#include <string>

#include "platform/archive/archive_find.h"
#include "platform/archive/pdf_reader_module.h"
#include "platform/files/files.h"
#include "platform/process/loaded_library.h"

namespace pillora {

namespace {

using HoldsText = decltype(&pillora_pdf_holds_text);

// The reader's entry, loaded from the program's folder at the first search. FileError
// naming the module and the loader's reason when it cannot be had.
HoldsText pdfReader() {
  static const HoldsText holds = [] {
    const std::string module = (executableFolder() / kPdfReaderModule).string();
    try {
      HoldsText entry = nullptr;
      LoadedLibrary(module).bind(entry, kPdfReaderEntry);
      return entry;
    } catch (const LibraryError& error) {
      throw FileError(std::string("cannot load the PDF reader: ") + error.what());
    }
  }();
  return holds;
}

}  // namespace

std::vector<std::filesystem::path> findInArchive(const ArchiveFolder& archive,
                                                 const std::string& text, std::optional<Day> from,
                                                 std::optional<Day> to,
                                                 const UnreadableFile& unreadable) {
  const HoldsText holds = pdfReader();
  std::vector<std::filesystem::path> found;
  for (const std::filesystem::path& file : archive.files(from, to)) {
    switch (holds(file.c_str(), text.c_str())) {
      case kPdfHoldsText:
        found.push_back(file);
        break;
      case kPdfHoldsNot:
        break;
      default:
        unreadable(file, "not a readable PDF file");
    }
  }
  return found;
}

}  // namespace pillora
