#pragma once
// The PDF reader module "pillora-pdf-reader.so", beside the program: poppler and the two dozen
// libraries it needs (NSS, image codecs, colour management) are loaded only by a run that
// searches the archive, not by every job. Its one entry has a C interface.

extern "C" {

// Whether a page of the PDF `file` (a path) holds `text` (UTF-8, exact): one of the answers
// below.
int pillora_pdf_holds_text(const char* file, const char* text);

}  // extern "C"

namespace pillora {

inline constexpr const char* kPdfReaderModule = "pillora-pdf-reader.so";
inline constexpr const char* kPdfReaderEntry = "pillora_pdf_holds_text";

inline constexpr int kPdfHoldsText = 1;
inline constexpr int kPdfHoldsNot = 0;
inline constexpr int kPdfUnreadable = -1;  // missing, damaged or locked

}  // namespace pillora
