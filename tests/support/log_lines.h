#pragma once
// Expected print-log lines for layout tests. Positions are where the text must land on the
// page, in centimetres from the top-left corner of the printable area.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/print/print_log.h"

namespace pillora::testing {

inline std::string textAt(double xCm, double yCm, const std::string& font, const std::string& size,
                          const std::string& text) {
  const auto twips = [](double cm) { return formatTwips(static_cast<float>(cm * 567.0)); };
  return "text\t" + twips(xCm) + "\t" + twips(yCm) + "\t" + font + "\t" + size + "\t0\t" + text;
}

// The text of a "text" log line (its last field).
inline std::string drawnText(const std::string& line) {
  return line.substr(line.rfind('\t') + 1);
}

// The expected lines that the log does not hold exactly once (none when all are there).
inline std::vector<std::string> notLoggedOnce(const std::vector<std::string>& log,
                                              const std::vector<std::string>& expected) {
  std::vector<std::string> missing;
  for (const std::string& line : expected) {
    if (std::count(log.begin(), log.end(), line) != 1) missing.push_back(line);
  }
  return missing;
}

inline const std::vector<std::string> kNoneMissing;

// The lines of a log file; none when there is no file.
inline std::vector<std::string> logFileLines(const std::filesystem::path& file) {
  std::ifstream in(file);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    lines.push_back(line);
  }
  return lines;
}

inline std::vector<std::string> drawnTexts(const std::vector<std::string>& lines) {
  std::vector<std::string> texts;
  for (const std::string& line : lines) {
    if (line.rfind("text\t", 0) == 0) texts.push_back(drawnText(line));
  }
  return texts;
}

}  // namespace pillora::testing
