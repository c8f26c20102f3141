#pragma once
// The printer object: keeps the font and the current position, and hands every drawing
// call with the pen in force to its sinks.
//
// Failures are kept per document: the first printer error of a document (a page that
// cannot be made, a print log that cannot be written) ends that document unprinted in
// every sink, the document's further drawing calls do nothing, and its endDoc throws
// PrinterError with the first failure's message. The next document starts afresh. So a
// caller that goes on after a failed drawing call still learns at the end of the document
// that it was not printed.
#include <optional>
#include <string>
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
  // Makes one call on every sink unless the document has failed already.
  template <typename Call>
  void toSinks(const Call& call);

  std::vector<PageSink*> m_sinks;
  Pen m_pen;
  std::optional<std::string> m_failure;  // the first failure of the open document
};

}  // namespace pillora
