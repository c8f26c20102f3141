#pragma once
// The two kinds of rendered document: one PDF per document (for files and for print
// queues) and one PNG image per page. Both hand a document on only when it has ended, as a
// whole.
#include <functional>
#include <string>
#include <vector>

#include "platform/print/graphics_handles.h"
#include "platform/print/page_renderer.h"

namespace pillora {

// Each PDF names its title (asked for when the document begins) and pillora with its
// version as its creator.
class PdfTarget : public DocumentTarget {
 public:
  // Receives each finished document's PDF bytes.
  using Deliver = std::function<void(const std::string& pdf)>;
  // The title of the document about to begin.
  using Title = std::function<std::string()>;
  PdfTarget(Deliver deliver, Title title)
      : m_deliver(std::move(deliver)), m_title(std::move(title)) {}

  cairo_t* beginPage() override;
  void endPage() override;
  void endDocument() override;
  void discardDocument() override;

 private:
  Deliver m_deliver;
  Title m_title;
  std::string m_bytes;
  CairoSurface m_surface;
  CairoContext m_context;
};

class PngTarget : public DocumentTarget {
 public:
  // Receives each finished document: the PNG bytes of its pages, in order.
  using Deliver = std::function<void(const std::vector<std::string>& pages)>;
  static constexpr double kDotsPerInch = 150.0;
  explicit PngTarget(Deliver deliver) : m_deliver(std::move(deliver)) {}

  cairo_t* beginPage() override;
  void endPage() override;
  void endDocument() override;
  void discardDocument() override;

 private:
  // The page's PNG bytes; the page is gone afterwards.
  std::string takePage();

  Deliver m_deliver;
  std::vector<std::string> m_pages;  // the finished pages of the open document
  CairoSurface m_surface;
  CairoContext m_context;
};

}  // namespace pillora
