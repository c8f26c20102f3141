#include "platform/print/document_targets.h"

#include <cairo-pdf.h>

#include <cmath>
#include <utility>

#include "common/text/errors.h"
#include "platform/print/grey_png.h"

namespace pillora {

namespace {

cairo_status_t appendBytes(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

void check(cairo_status_t status) {
  if (status != CAIRO_STATUS_SUCCESS) {
    throw PrinterError(std::string("cannot render the page: ") + cairo_status_to_string(status));
  }
}

std::string creator() {
  return "pillora " + std::to_string(PILLORA_VERSION_MAJOR) + "." +
         std::to_string(PILLORA_VERSION_MINOR) + "." + std::to_string(PILLORA_VERSION_PATCH);
}

int pixels(double points) {
  return static_cast<int>(std::lround(points / 72.0 * PngTarget::kDotsPerInch));
}

}  // namespace

cairo_t* PdfTarget::beginPage() {
  if (!m_context) {
    m_surface.reset(cairo_pdf_surface_create_for_stream(appendBytes, &m_bytes, kPageWidthPoints,
                                                        kPageHeightPoints));
    cairo_pdf_surface_set_metadata(m_surface.get(), CAIRO_PDF_METADATA_TITLE, m_title().c_str());
    cairo_pdf_surface_set_metadata(m_surface.get(), CAIRO_PDF_METADATA_CREATOR, creator().c_str());
    m_context.reset(cairo_create(m_surface.get()));
  }
  return m_context.get();
}

void PdfTarget::endPage() {
  cairo_show_page(m_context.get());
}

void PdfTarget::endDocument() {
  // Shown explicitly so that a last page with nothing visible on it still counts.
  cairo_show_page(m_context.get());
  const cairo_status_t drawing = cairo_status(m_context.get());
  m_context.reset();
  cairo_surface_finish(m_surface.get());
  const cairo_status_t finishing = cairo_surface_status(m_surface.get());
  m_surface.reset();
  const std::string pdf = std::move(m_bytes);
  m_bytes.clear();
  check(drawing);
  check(finishing);
  m_deliver(pdf);
}

void PdfTarget::discardDocument() {
  m_context.reset();
  m_surface.reset();  // what the surface still writes out lands in the bytes cleared next
  m_bytes.clear();
}

// The page is drawn as the ink's coverage alone (a new page is blank paper); the picture is
// grey made from it.
cairo_t* PngTarget::beginPage() {
  m_surface.reset(cairo_image_surface_create(CAIRO_FORMAT_A8, pixels(kPageWidthPoints),
                                             pixels(kPageHeightPoints)));
  m_context.reset(cairo_create(m_surface.get()));
  cairo_t* cr = m_context.get();
  cairo_set_source_rgb(cr, 0.0, 0.0, 0.0);
  cairo_scale(cr, kDotsPerInch / 72.0, kDotsPerInch / 72.0);
  return cr;
}

std::string PngTarget::takePage() {
  const cairo_status_t drawing = cairo_status(m_context.get());
  m_context.reset();
  check(drawing);
  check(cairo_surface_status(m_surface.get()));
  std::string png = greyPngOfCoverage(m_surface.get());
  m_surface.reset();
  return png;
}

void PngTarget::endPage() {
  m_pages.push_back(takePage());
}

void PngTarget::endDocument() {
  std::vector<std::string> pages = std::exchange(m_pages, {});
  pages.push_back(takePage());
  m_deliver(pages);
}

void PngTarget::discardDocument() {
  m_context.reset();
  m_surface.reset();
  m_pages.clear();
}

}  // namespace pillora
