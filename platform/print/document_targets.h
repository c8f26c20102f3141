#pragma once
// The two kinds of rendered document: one PDF per document (for files and for print
// queues) and one PNG image per page.
#include <functional>
#include <string>

#include "platform/print/graphics_handles.h"
#include "platform/print/page_renderer.h"

namespace pillora {

class PdfTarget : public DocumentTarget {
 public:
  // Receives each finished document's PDF bytes.
  using Deliver = std::function<void(const std::string& pdf)>;
  explicit PdfTarget(Deliver deliver) : m_deliver(std::move(deliver)) {}

  cairo_t* beginPage() override;
  void endPage() override;
  void endDocument() override;

 private:
  Deliver m_deliver;
  std::string m_bytes;
  CairoSurface m_surface;
  CairoContext m_context;
};

class PngTarget : public DocumentTarget {
 public:
  // Receives each finished page: its number in the document (from 1) and its PNG bytes.
  using Deliver = std::function<void(int page, const std::string& png)>;
  static constexpr double kDotsPerInch = 150.0;
  explicit PngTarget(Deliver deliver) : m_deliver(std::move(deliver)) {}

  cairo_t* beginPage() override;
  void endPage() override;
  void endDocument() override;

 private:
  // The page's PNG bytes; the page is gone afterwards.
  std::string takePage();

  Deliver m_deliver;
  int m_pageNumber = 0;
  CairoSurface m_surface;
  CairoContext m_context;
};

}  // namespace pillora
