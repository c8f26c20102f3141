#include "platform/print/print_log.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <memory>

#include "common/text/convert.h"
#include "common/text/errors.h"
#include "platform/files/files.h"

namespace pillora {

// Independent of the process locale: the decimal separator is always a point.
std::string formatTwips(float twips) {
  std::array<char, 64> buffer{};
  const std::to_chars_result result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), static_cast<double>(twips),
                    std::chars_format::fixed, 2);
  return {buffer.data(), result.ptr};
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
  auto file = std::make_shared<std::ofstream>(pathFromUtf8(path), std::ios::binary | std::ios::app);
  if (!file->is_open()) {
    throw PrinterError("cannot open the print log " + path);
  }
  return [file, path](const std::string& line) {
    errno = 0;  // the stream keeps no reason; the system's write leaves it here
    if (!(*file << line << '\n' << std::flush)) {
      const int error = errno;
      throw PrinterError("cannot write the print log " + path + ": " +
                         (error != 0 ? std::strerror(error) : "write failed"));
    }
  };
}

std::unique_ptr<PrintLog> printLogFromEnvironment() {
  const std::string file = environmentValue("PILLORA_PRINT_LOG");
  return file.empty() ? nullptr : std::make_unique<PrintLog>(appendingFileWriter(file));
}

std::vector<PageSink*> sinksWithLog(PrintLog* log, PageSink* output) {
  if (log != nullptr) {
    return {log, output};
  }
  return {output};
}

}  // namespace pillora
