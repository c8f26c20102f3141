#include "platform/print/pen_printer.h"

namespace pillora {

namespace {

// One printed line moves the pen down by the font size and its usual leading.
constexpr float kLineSpacing = 1.2F;

}  // namespace

void PenPrinter::print(const Text& text) {
  for (PageSink* sink : m_sinks) {
    sink->text(m_pen, text);
  }
  m_pen.x = 0.0F;
  m_pen.y += m_pen.fontSize * kTwipsPerPoint * kLineSpacing;
}

void PenPrinter::line(float x1, float y1, float x2, float y2) {
  for (PageSink* sink : m_sinks) {
    sink->line(x1, y1, x2, y2);
  }
}

void PenPrinter::newPage() {
  for (PageSink* sink : m_sinks) {
    sink->newPage();
  }
}

void PenPrinter::endDoc() {
  for (PageSink* sink : m_sinks) {
    sink->endDoc();
  }
}

}  // namespace pillora
