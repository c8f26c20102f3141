#include <poppler-document.h>
#include <poppler-page.h>

#include <memory>

#include "common/text/text.h"
#include "platform/archive/archive_find.h"

namespace pillora {

namespace {

// True when a page of the PDF holds the text; nothing when the file is no readable PDF.
std::optional<bool> holdsText(const std::filesystem::path& file, const std::string& text) {
  const std::unique_ptr<poppler::document> document(
      poppler::document::load_from_file(pathToUtf8(file)));
  if (!document || document->is_locked()) {
    return std::nullopt;
  }
  for (int i = 0; i < document->pages(); ++i) {
    const std::unique_ptr<poppler::page> page(document->create_page(i));
    if (!page) {
      return std::nullopt;
    }
    const poppler::byte_array utf8 = page->text().to_utf8();
    if (std::string(utf8.begin(), utf8.end()).find(text) != std::string::npos) {
      return true;
    }
  }
  return false;
}

}  // namespace

std::vector<std::filesystem::path> findInArchive(const ArchiveFolder& archive,
                                                 const std::string& text, std::optional<Day> from,
                                                 std::optional<Day> to,
                                                 const UnreadableFile& unreadable) {
  std::vector<std::filesystem::path> found;
  for (const std::filesystem::path& file : archive.files(from, to)) {
    const std::optional<bool> holds = holdsText(file, text);
    if (!holds) {
      unreadable(file, "not a readable PDF file");
    } else if (*holds) {
      found.push_back(file);
    }
  }
  return found;
}

}  // namespace pillora
