#pragma once
// The drawing calls of the documents a printer printed, kept to be drawn once more: the
// archive copy of a job is made from the very calls its printed pages were made from.
#include <variant>
#include <vector>

#include "common/print/printer_surface.h"

namespace pillora {

struct DrawnText {
  Pen pen;
  Text text;
};
struct DrawnLine {
  float x1;
  float y1;
  float x2;
  float y2;
};
struct PageBreak {};
using DrawCall = std::variant<DrawnText, DrawnLine, PageBreak>;

// The calls of the open document, and those of every document that was printed. A
// document that failed (or never ended) is not among them: it was not printed either.
class RecordedPages {
 public:
  void add(DrawCall call) { m_open.push_back(std::move(call)); }
  // The open document was printed.
  void keepDocument();
  // The open document was not printed.
  void dropDocument() { m_open.clear(); }

  // The printed documents' calls in order, one document after the other, each beginning on
  // a sheet of its own.
  const std::vector<DrawCall>& printed() const { return m_printed; }
  bool empty() const { return m_printed.empty(); }

 private:
  std::vector<DrawCall> m_open;
  std::vector<DrawCall> m_printed;
};

// Passes every call on to the printer surface it stands before and keeps the calls of the
// documents that printer printed.
class RecordingSurface : public PrinterSurface {
 public:
  RecordingSurface(PrinterSurface& printer, RecordedPages& pages)
      : m_printer(printer), m_pages(pages) {}

  void setFontName(const Text& name) override { m_printer.setFontName(name); }
  void setFontSize(float points) override { m_printer.setFontSize(points); }
  void setFontBold(bool bold) override { m_printer.setFontBold(bold); }
  void setCurrentX(float twips) override { m_printer.setCurrentX(twips); }
  void setCurrentY(float twips) override { m_printer.setCurrentY(twips); }
  const Pen& pen() const override { return m_printer.pen(); }

  void print(const Text& text) override;
  void line(float x1, float y1, float x2, float y2) override;
  void newPage() override;
  // A document the printer refuses (PrinterError) is not kept.
  void endDoc() override;

 private:
  PrinterSurface& m_printer;
  RecordedPages& m_pages;
};

}  // namespace pillora
