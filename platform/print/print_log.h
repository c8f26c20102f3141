#pragma once
// The print log: one line per drawing call, as it is made (UTF-8, TAB-separated fields):
//   printer <name>
//   text <x twips> <y twips> <font name> <font size> <bold 0|1> <text>
//   line <x1> <y1> <x2> <y2>
//   newpage
//   enddoc
// Coordinates carry two decimals with a decimal point whatever the locale, the font size is
// the shortest decimal of its single-precision value; in text fields \ TAB CR LF NUL are
// written as \\ \t \r \n \0.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/text/log_field.h"
#include "platform/print/page_sink.h"

namespace pillora {

std::string formatTwips(float twips);

class PrintLog : public PageSink {
 public:
  using Writer = std::function<void(const std::string& line)>;
  explicit PrintLog(Writer write) : m_write(std::move(write)) {}

  void printerChosen(const Text& name);
  void text(const Pen& pen, const Text& text) override;
  void line(float x1, float y1, float x2, float y2) override;
  void newPage() override { m_write("newpage"); }
  void endDoc() override { m_write("enddoc"); }
  // The log holds the calls made up to the failure; the failure itself is no printer call.
  void dropDoc() override {}

 private:
  Writer m_write;
};

// A writer that appends each line (with LF) to a file, flushed at once so that nothing is
// lost when the program ends abnormally. PrinterError when the file cannot be opened, and
// from the writer when a line cannot be written.
PrintLog::Writer appendingFileWriter(const std::string& path);

// The print log the environment variable PILLORA_PRINT_LOG names; none when it is not set.
// PrinterError when the file cannot be opened.
std::unique_ptr<PrintLog> printLogFromEnvironment();

// Where a printer's calls go: to the log first, when there is one, then to the output.
std::vector<PageSink*> sinksWithLog(PrintLog* log, PageSink* output);

}  // namespace pillora
