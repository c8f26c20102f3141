#pragma once
// Draws the printer's calls with Cairo and Pango onto the pages of a document target.
//
// Units: the calls come in twips, Cairo works in points (20 twips per point). The origin
// is the top-left corner of the printable area: by default the sheet's corner, for a
// printer with margins that many points into the sheet. Text is one line, no wrapping, its top-left
// corner at the pen position, in the pen's font name, size and weight; lines are thin (0.5 pt) and
// black. A text that would cross the right edge of the printable area is drawn condensed
// (scaled across, down to 70 % of its width) so that it ends inside; one that cannot fit
// even so is drawn as it is, and one warning line on standard error names it. Texts that
// fit are drawn unchanged.
//
// Documents begin and end as page_sequence.h says. A document that is never ended, or is
// dropped after a failure, is not sent.
#include <cairo.h>

#include <memory>

#include "platform/print/graphics_handles.h"
#include "platform/print/page_sequence.h"
#include "platform/print/page_sink.h"

namespace pillora {

// A4 portrait, in points: the sheet size of every rendered page.
inline constexpr double kPageWidthPoints = 595.275590551;
inline constexpr double kPageHeightPoints = 841.889763780;

// Where a rendered document goes: PDF bytes, PNG images.
class DocumentTarget {
 public:
  virtual ~DocumentTarget() = default;
  // Starts a page (and the document, at its first page); the context draws in points.
  virtual cairo_t* beginPage() = 0;
  // Ends a page that another one follows.
  virtual void endPage() = 0;
  // Ends the last page and hands the document on; the next beginPage starts a new
  // document even when this fails with PrinterError.
  virtual void endDocument() = 0;
  // Drops the open document, if any, unsent; the next beginPage starts a new document.
  virtual void discardDocument() = 0;
};

// Where the printable area begins on the sheet, in points from its top-left corner, and
// how far before the sheet's right edge it ends.
struct PageOrigin {
  double x = 0.0;
  double y = 0.0;
  double right = 0.0;
};

class PageRenderer : public PageSink, private PageSequence::Pages {
 public:
  explicit PageRenderer(std::unique_ptr<DocumentTarget> target, PageOrigin origin = {},
                        PageCount count = PageCount::Printed)
      : m_target(std::move(target)), m_origin(origin), m_pages(*this, count) {}

  void text(const Pen& pen, const Text& text) override;
  void line(float x1, float y1, float x2, float y2) override;
  void newPage() override;
  void endDoc() override;
  void dropDoc() override;

 private:
  // The page the next drawing goes on, after the page breaks marked since the last one.
  cairo_t* page();
  // The Pango context of every text, made at the first one (and the font map with it).
  PangoContext* texts();
  void beginPage() override;
  void endPage() override;
  void endDocument() override;

  std::unique_ptr<DocumentTarget> m_target;
  PageOrigin m_origin;
  cairo_t* m_page = nullptr;  // none while no document is open
  PageSequence m_pages;
  GObjectHandle<PangoContext> m_texts;  // brought up to date with each text's page
};

}  // namespace pillora
