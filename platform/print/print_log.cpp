#include "platform/print/print_log.h"

#include <array>
#include <cstdio>
#include <memory>

#include "common/text/convert.h"
#include "common/text/errors.h"

namespace pillora {

std::string escapeLogField(TextView text) {
  std::string out;
  for (const char c : toUtf8(text)) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\n':
        out += "\\n";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string formatTwips(float twips) {
  std::array<char, 48> buffer{};
  std::snprintf(buffer.data(), buffer.size(), "%.2f", static_cast<double>(twips));
  return buffer.data();
}

void PrintLog::printerChosen(const Text& name) {
  m_write("printer\t" + escapeLogField(name));
}

void PrintLog::text(const Pen& pen, const Text& text) {
  m_write("text\t" + formatTwips(pen.x) + "\t" + formatTwips(pen.y) + "\t" +
          escapeLogField(pen.fontName) + "\t" + toUtf8(formatSingle(pen.fontSize)) + "\t" +
          (pen.bold ? "1" : "0") + "\t" + escapeLogField(text));
}

void PrintLog::line(float x1, float y1, float x2, float y2) {
  m_write("line\t" + formatTwips(x1) + "\t" + formatTwips(y1) + "\t" + formatTwips(x2) + "\t" +
          formatTwips(y2));
}

PrintLog::Writer appendingFileWriter(const std::string& path) {
  std::shared_ptr<std::FILE> file(std::fopen(path.c_str(), "ab"), [](std::FILE* f) {
    if (f != nullptr) {
      std::fclose(f);
    }
  });
  if (!file) {
    throw PrinterError("cannot open the print log " + path);
  }
  return [file](const std::string& line) {
    std::fputs((line + "\n").c_str(), file.get());
    std::fflush(file.get());
  };
}

}  // namespace pillora
