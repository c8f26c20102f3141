#include "platform/print/page_sequence.h"

#include <algorithm>

#include "common/log/run_record.h"

namespace pillora {

void PageSequence::draw() {
  if (!m_open) {
    m_pendingBreaks = 0;
    m_pages.beginPage();
    pageBegun();
  }
  for (; m_pendingBreaks > 0; --m_pendingBreaks) {
    m_open = false;  // the page is gone once it is ended, even when that fails
    m_pages.endPage();
    m_pages.beginPage();
    pageBegun();
  }
}

void PageSequence::pageBegun() {
  m_open = true;
  if (m_count == PageCount::Printed) {
    currentRun().countPage();
  }
}

void PageSequence::newPage() {
  if (m_open) {
    ++m_pendingBreaks;
  }
}

void PageSequence::endDoc() {
  if (!m_open) {
    return;
  }
  // The last marked break only closes the page; the ones before it leave blank sheets.
  m_pendingBreaks = std::max(0, m_pendingBreaks - 1);
  draw();
  m_open = false;
  m_pages.endDocument();
}

void PageSequence::drop() {
  m_open = false;
  m_pendingBreaks = 0;
}

}  // namespace pillora
