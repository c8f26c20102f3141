#pragma once
// Where the printer's drawing calls go once the pen has been applied: the print log, the
// PDF/PNG renderer, a CUPS queue. Each sink sees every call in the order it was made.
#include "common/print/printer_surface.h"

namespace pillora {

class PageSink {
 public:
  virtual ~PageSink() = default;
  virtual void text(const Pen& pen, const Text& text) = 0;
  virtual void line(float x1, float y1, float x2, float y2) = 0;
  virtual void newPage() = 0;
  virtual void endDoc() = 0;
  // The open document failed somewhere: it ends here without being printed.
  virtual void dropDoc() = 0;
};

}  // namespace pillora
