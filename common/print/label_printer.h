#pragma once
// What label printing requires of the platform: the calls of the label printer's own
// library, with its argument lists. Texts are handed over as the library takes them (its
// numbers-as-text included); positions and sizes of windowsfont are the printer's dots.
//
// A label job runs openport, setup, clearbuffer, the drawing calls, printlabel and
// closeport; closeport hands the job to the printer. Calls made while no port is open
// have no effect.
#include "common/text/text.h"

namespace pillora {

class LabelPrinter {
 public:
  virtual ~LabelPrinter() = default;

  virtual void openport(const Text& printerName) = 0;
  virtual void closeport() = 0;
  // Label width and height, gap (or black mark) height and offset in millimetres; print
  // speed; print darkness; sensor "0" gap, "1" black mark.
  virtual void setup(const Text& width, const Text& height, const Text& speed, const Text& density,
                     const Text& sensor, const Text& vertical, const Text& offset) = 0;
  virtual void clearbuffer() = 0;
  // Text in a font of the system at (x, y), `fontheight` dots high, turned by `rotation`
  // degrees counter-clockwise about (x, y); style 0 normal, 1 italic, 2 bold, 3 bold
  // italic; underline 0 or 1.
  virtual void windowsfont(int x, int y, int fontheight, int rotation, int fontstyle,
                           int fontunderline, const Text& szFaceName, const Text& content) = 0;
  virtual void printlabel(const Text& set, const Text& copy) = 0;

  // Further calls of the library; the labels of the system do not use them.
  virtual void sendcommand(const Text& printercommand) = 0;
  virtual void downloadpcx(const Text& filename, const Text& image_name) = 0;
  virtual void barcode(const Text& x, const Text& y, const Text& type, const Text& height,
                       const Text& readable, const Text& rotation, const Text& narrow,
                       const Text& wide, const Text& code) = 0;
  virtual void printerfont(const Text& x, const Text& y, const Text& fonttype, const Text& rotation,
                           const Text& xmul, const Text& ymul, const Text& text) = 0;
  virtual void formfeed() = 0;
  virtual void nobackfeed() = 0;
};

}  // namespace pillora
