#pragma once
// A label printer for tests: records every call as label-log lines.
#include <string>
#include <vector>

#include "platform/label/label_log.h"

namespace pillora::testing {

class RecordingLabelPrinter {
 public:
  LabelPrinter& port() { return m_log; }
  const std::vector<std::string>& lines() const { return m_lines; }

 private:
  std::vector<std::string> m_lines;
  LabelLog m_log{[this](const std::string& line) { m_lines.push_back(line); }};
};

}  // namespace pillora::testing
