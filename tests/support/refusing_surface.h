#pragma once
// A printer for failure tests: hands every call on to another surface but throws a printer
// error instead of printing the texts a rule refuses.
#include <functional>
#include <utility>

#include "common/print/printer_surface.h"
#include "common/text/errors.h"

namespace pillora::testing {

class RefusingSurface : public PrinterSurface {
 public:
  using Rule = std::function<bool(const Text& text)>;
  RefusingSurface(PrinterSurface& next, Rule refuses)
      : m_next(next), m_refuses(std::move(refuses)) {}

  void setFontName(const Text& name) override { m_next.setFontName(name); }
  void setFontSize(float points) override { m_next.setFontSize(points); }
  void setFontBold(bool bold) override { m_next.setFontBold(bold); }
  void setCurrentX(float twips) override { m_next.setCurrentX(twips); }
  void setCurrentY(float twips) override { m_next.setCurrentY(twips); }
  const Pen& pen() const override { return m_next.pen(); }
  void print(const Text& text) override {
    if (m_refuses(text)) throw PrinterError("the printer refused the text");
    m_next.print(text);
  }
  void line(float x1, float y1, float x2, float y2) override { m_next.line(x1, y1, x2, y2); }
  void newPage() override { m_next.newPage(); }
  void endDoc() override { m_next.endDoc(); }

 private:
  PrinterSurface& m_next;
  Rule m_refuses;
};

}  // namespace pillora::testing
