#pragma once
// The label printer's calls turned into its command language, TSPL2, at 203 dots per inch
// (8 dots per millimetre): setup gives SIZE, SPEED, DENSITY and GAP (or BLINE), clearbuffer
// CLS, windowsfont a BITMAP of the text drawn with the system's fonts, printlabel PRINT.
// Beside the commands the labels are kept as pictures, as the printer would print them, for
// previews. closeport hands the whole job on.
#include <functional>
#include <string>
#include <vector>

#include "common/print/label_printer.h"
#include "platform/label/text_bitmap.h"

namespace pillora {

inline constexpr int kLabelDotsPerMillimetre = 8;

// One job, from openport to closeport.
struct LabelJob {
  Text printerName;
  std::string tspl;                // the commands, CR LF after each
  std::vector<MonoBitmap> labels;  // one picture per printlabel
};

class TsplLabelPrinter : public LabelPrinter {
 public:
  using Deliver = std::function<void(const LabelJob& job)>;
  explicit TsplLabelPrinter(Deliver deliver) : m_deliver(std::move(deliver)) {}

  void openport(const Text& printerName) override;
  // Hands the job on (a job without a single command is dropped); the port is closed
  // afterwards even when handing on fails.
  void closeport() override;
  // ConversionError for a value that is not a number; InvalidArgumentError for a label
  // narrower than 1 or wider than 250 mm, or shorter than 1 or longer than 1000 mm.
  void setup(const Text& width, const Text& height, const Text& speed, const Text& density,
             const Text& sensor, const Text& vertical, const Text& offset) override;
  void clearbuffer() override;
  // What falls left of or above the label's corner is cut off. PrinterError for a height or
  // a rotation the text cannot be drawn in.
  void windowsfont(int x, int y, int fontheight, int rotation, int fontstyle, int fontunderline,
                   const Text& szFaceName, const Text& content) override;
  void printlabel(const Text& set, const Text& copy) override;
  void sendcommand(const Text& printercommand) override;
  // FileError when the file cannot be read.
  void downloadpcx(const Text& filename, const Text& image_name) override;
  void barcode(const Text& x, const Text& y, const Text& type, const Text& height,
               const Text& readable, const Text& rotation, const Text& narrow, const Text& wide,
               const Text& code) override;
  void printerfont(const Text& x, const Text& y, const Text& fonttype, const Text& rotation,
                   const Text& xmul, const Text& ymul, const Text& text) override;
  void formfeed() override;
  void nobackfeed() override;

 private:
  void command(const std::string& text);
  void place(const MonoBitmap& bitmap, int left, int top);

  Deliver m_deliver;
  bool m_open = false;
  LabelJob m_job;
  MonoBitmap m_label;  // the label as drawn since the last CLS
};

}  // namespace pillora
