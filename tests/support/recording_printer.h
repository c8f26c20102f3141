#pragma once
// A printer for tests: records every drawing call as print-log lines.
#include <string>
#include <vector>

#include "platform/print/pen_printer.h"
#include "platform/print/print_log.h"

namespace pillora::testing {

class RecordingPrinter {
 public:
  PrinterSurface& surface() { return m_printer; }
  const std::vector<std::string>& lines() const { return m_lines; }
  // Lines of one kind ("text", "line", "newpage", "enddoc").
  std::vector<std::string> linesOf(const std::string& kind) const {
    std::vector<std::string> found;
    for (const std::string& line : m_lines) {
      if (line == kind || line.rfind(kind + "\t", 0) == 0) found.push_back(line);
    }
    return found;
  }
  void clear() { m_lines.clear(); }

 private:
  std::vector<std::string> m_lines;
  PrintLog m_log{[this](const std::string& line) { m_lines.push_back(line); }};
  PenPrinter m_printer{{&m_log}};
};

}  // namespace pillora::testing
