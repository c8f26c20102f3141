#pragma once
// Helpers of the printing tests: PDFs read back with the poppler tools.
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/scoped_environment.h"

namespace pillora::testing {

// The whole content of a file; empty when there is none.
inline std::string fileContent(const std::string& path) {
  std::stringstream content;
  content << std::ifstream(path, std::ios::binary).rdbuf();
  return content.str();
}

// Standard output of a shell command.
inline std::string commandOutput(const std::string& command) {
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  std::string output;
  std::array<char, 4096> buffer{};
  while (pipe && std::fgets(buffer.data(), buffer.size(), pipe.get()) != nullptr) {
    output += buffer.data();
  }
  return output;
}

// One word of a PDF as pdftotext -bbox reports it: page (from 1), top-left corner and right
// edge in points.
struct PdfWord {
  int page = 0;
  double x = 0;
  double y = 0;
  std::string text;
  double right = 0;
};

inline std::vector<PdfWord> pdfWords(const std::string& pdfFile) {
  static const std::regex word(
      R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)"[^>]*>(.*)</word>)re");
  std::istringstream lines(commandOutput("pdftotext -bbox '" + pdfFile + "' - 2>/dev/null"));
  std::vector<PdfWord> words;
  int page = 0;
  std::smatch match;
  for (std::string line; std::getline(lines, line);) {
    if (line.find("<page ") != std::string::npos) {
      ++page;
    }
    if (std::regex_search(line, match, word)) {
      words.push_back(
          {page, std::stod(match[1]), std::stod(match[2]), match[4], std::stod(match[3])});
    }
  }
  return words;
}

// One field of pdfinfo's report ("Title", "Creator"); empty when there is none.
inline std::string pdfInfoField(const std::string& pdfFile, const std::string& field) {
  const std::regex line("(^|\n)" + field + R"(:\s+([^\n]*))");
  const std::string info = commandOutput("pdfinfo '" + pdfFile + "' 2>/dev/null");
  std::smatch match;
  return std::regex_search(info, match, line) ? match[2].str() : std::string();
}

inline int pdfPageCount(const std::string& pdfFile) {
  static const std::regex pages(R"(Pages:\s+(\d+))");
  const std::string info = commandOutput("pdfinfo '" + pdfFile + "'");
  std::smatch match;
  return std::regex_search(info, match, pages) ? std::stoi(match[1]) : -1;
}

// The names of the fonts embedded in a PDF (subset prefix removed), sorted, each once, one
// per line.
inline std::string pdfFontNames(const std::string& pdfFile) {
  return commandOutput("pdffonts '" + pdfFile +
                       "' | tail -n +3 | cut -d' ' -f1 | cut -d+ -f2 | sort -u");
}

}  // namespace pillora::testing
