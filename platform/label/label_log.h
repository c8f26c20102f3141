#pragma once
// The label log: one line per label-printer call, as it is made: the call's name, then its
// arguments, separated by TAB (UTF-8; text fields escaped as in the print log):
//   openport	TSC TTP-245 Plus
//   windowsfont	20	1210	32	90	0	0	標楷體	<text>
// Every call then goes on to the printer behind the log, when there is one.
#include <initializer_list>
#include <string>
#include <string_view>

#include "common/print/label_printer.h"
#include "platform/print/print_log.h"

namespace pillora {

class LabelLog : public LabelPrinter {
 public:
  explicit LabelLog(PrintLog::Writer write, LabelPrinter* next = nullptr)
      : m_write(std::move(write)), m_next(next) {}

  void openport(const Text& printerName) override;
  void closeport() override;
  void setup(const Text& width, const Text& height, const Text& speed, const Text& density,
             const Text& sensor, const Text& vertical, const Text& offset) override;
  void clearbuffer() override;
  void windowsfont(int x, int y, int fontheight, int rotation, int fontstyle, int fontunderline,
                   const Text& szFaceName, const Text& content) override;
  void printlabel(const Text& set, const Text& copy) override;
  void sendcommand(const Text& printercommand) override;
  void downloadpcx(const Text& filename, const Text& image_name) override;
  void barcode(const Text& x, const Text& y, const Text& type, const Text& height,
               const Text& readable, const Text& rotation, const Text& narrow, const Text& wide,
               const Text& code) override;
  void printerfont(const Text& x, const Text& y, const Text& fonttype, const Text& rotation,
                   const Text& xmul, const Text& ymul, const Text& text) override;
  void formfeed() override;
  void nobackfeed() override;

 private:
  void log(std::string_view name, std::initializer_list<TextView> fields);

  PrintLog::Writer m_write;
  LabelPrinter* m_next;
};

// A writer that opens the log file (appending) at its first line, so that a run printing
// no label leaves no log behind. PrinterError when it cannot be opened.
PrintLog::Writer lazyAppendingFileWriter(std::string path);

}  // namespace pillora
