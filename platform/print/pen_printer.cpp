#include "platform/print/pen_printer.h"

#include <utility>

#include "common/text/errors.h"

namespace pillora {

namespace {

// One printed line moves the pen down by the font size and its usual leading.
constexpr float kLineSpacing = 1.2F;

}  // namespace

template <typename Call>
void PenPrinter::toSinks(const Call& call) {
  if (m_failure) {
    return;
  }
  try {
    for (PageSink* sink : m_sinks) {
      call(*sink);
    }
  } catch (const AppError& error) {
    m_failure = error.what();
    for (PageSink* sink : m_sinks) {
      sink->dropDoc();
    }
  }
}

void PenPrinter::print(const Text& text) {
  toSinks([&](PageSink& sink) { sink.text(m_pen, text); });
  m_pen.x = 0.0F;
  m_pen.y += m_pen.fontSize * kTwipsPerPoint * kLineSpacing;
}

void PenPrinter::line(float x1, float y1, float x2, float y2) {
  toSinks([&](PageSink& sink) { sink.line(x1, y1, x2, y2); });
}

void PenPrinter::newPage() {
  toSinks([](PageSink& sink) { sink.newPage(); });
}

void PenPrinter::endDoc() {
  toSinks([](PageSink& sink) { sink.endDoc(); });
  if (std::optional<std::string> failure = std::exchange(m_failure, std::nullopt)) {
    throw PrinterError(*failure);
  }
}

}  // namespace pillora
