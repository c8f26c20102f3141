#pragma once
// The printer object: keeps the font and the current position, and hands every drawing
// call with the pen in force to its sinks.
#include <vector>

#include "platform/print/page_sink.h"

namespace pillora {

class PenPrinter : public PrinterSurface {
 public:
  explicit PenPrinter(std::vector<PageSink*> sinks) : m_sinks(std::move(sinks)) {}

  // Where the calls go from now on (another printer made current); the pen stays as it is.
  void setSinks(std::vector<PageSink*> sinks) { m_sinks = std::move(sinks); }

  void setFontName(const Text& name) override { m_pen.fontName = name; }
  void setFontSize(float points) override { m_pen.fontSize = points; }
  void setFontBold(bool bold) override { m_pen.bold = bold; }
  void setCurrentX(float twips) override { m_pen.x = twips; }
  void setCurrentY(float twips) override { m_pen.y = twips; }
  const Pen& pen() const override { return m_pen; }

  void print(const Text& text) override;
  void line(float x1, float y1, float x2, float y2) override;
  void newPage() override;
  void endDoc() override;

 private:
  std::vector<PageSink*> m_sinks;
  Pen m_pen;
};

}  // namespace pillora
