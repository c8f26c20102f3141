// The PDF reader module's entry: poppler reads the file's pages as text.
#include <poppler-document.h>
#include <poppler-page.h>

#include <exception>
#include <memory>
#include <string>

#include "platform/archive/pdf_reader_module.h"

namespace {

using pillora::kPdfHoldsNot;
using pillora::kPdfHoldsText;
using pillora::kPdfUnreadable;

int holdsText(const char* file, const std::string& text) {
  const std::unique_ptr<poppler::document> document(poppler::document::load_from_file(file));
  if (!document || document->is_locked()) {
    return kPdfUnreadable;
  }
  for (int i = 0; i < document->pages(); ++i) {
    const std::unique_ptr<poppler::page> page(document->create_page(i));
    if (!page) {
      return kPdfUnreadable;
    }
    const poppler::byte_array utf8 = page->text().to_utf8();
    if (std::string(utf8.begin(), utf8.end()).find(text) != std::string::npos) {
      return kPdfHoldsText;
    }
  }
  return kPdfHoldsNot;
}

}  // namespace

extern "C" int pillora_pdf_holds_text(const char* file, const char* text) {
  try {
    return holdsText(file, text);
  } catch (const std::exception&) {
    return kPdfUnreadable;  // nothing may leave a C entry; what poppler refuses is unreadable
  }
}
