#include "platform/archive/recorded_pages.h"

#include <algorithm>

namespace pillora {

void RecordedPages::keepDocument() {
  // Page breaks before the first drawing make no sheet on the printer.
  const auto first = std::find_if(m_open.begin(), m_open.end(), [](const DrawCall& call) {
    return !std::holds_alternative<PageBreak>(call);
  });
  m_open.erase(m_open.begin(), first);
  if (m_open.empty()) {
    return;  // nothing drawn: the printer printed nothing either
  }
  // The document's own trailing page break ends its last sheet; without one, the next
  // document needs one to begin on a sheet of its own.
  if (!m_printed.empty() && !std::holds_alternative<PageBreak>(m_printed.back())) {
    m_printed.emplace_back(PageBreak{});
  }
  m_printed.insert(m_printed.end(), m_open.begin(), m_open.end());
  m_open.clear();
}

void RecordingSurface::print(const Text& text) {
  DrawnText call{m_printer.pen(), text};
  m_printer.print(text);
  m_pages.add(std::move(call));
}

void RecordingSurface::line(float x1, float y1, float x2, float y2) {
  m_printer.line(x1, y1, x2, y2);
  m_pages.add(DrawnLine{x1, y1, x2, y2});
}

void RecordingSurface::newPage() {
  m_printer.newPage();
  m_pages.add(PageBreak{});
}

void RecordingSurface::endDoc() {
  try {
    m_printer.endDoc();
  } catch (...) {
    m_pages.dropDocument();
    throw;
  }
  m_pages.keepDocument();
}

}  // namespace pillora
