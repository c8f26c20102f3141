#pragma once
// What printing requires of the platform's printer: the one process-wide surface all bag
// drawing goes to, in twips (1440 per inch, 567 per centimetre as the layouts compute),
// origin at the top-left corner of the printable area.
//
// A document begins with the first drawing call after the start of the run or after the
// last endDoc. An endDoc with nothing drawn since the previous one sends nothing; a
// newPage right before endDoc leaves no blank sheet.
#include <cstddef>
#include <string>
#include <vector>

#include "common/text/errors.h"
#include "common/text/text.h"

namespace pillora {

// Twips per typographic point (1440 per inch, 72 points per inch).
inline constexpr float kTwipsPerPoint = 20.0F;

// The font and position in force for the next text.
struct Pen {
  Text fontName = u"標楷體";
  float fontSize = 12.0F;
  bool bold = false;
  float x = 0.0F;
  float y = 0.0F;
};

class PrinterSurface {
 public:
  virtual ~PrinterSurface() = default;

  virtual void setFontName(const Text& name) = 0;
  virtual void setFontSize(float points) = 0;
  virtual void setFontBold(bool bold) = 0;
  virtual void setCurrentX(float twips) = 0;
  virtual void setCurrentY(float twips) = 0;
  virtual const Pen& pen() const = 0;

  // One line of text with its top-left corner at the current position; afterwards x is 0
  // and y has moved down one line.
  virtual void print(const Text& text) = 0;
  // A straight line in the current pen (default width).
  virtual void line(float x1, float y1, float x2, float y2) = 0;
  virtual void newPage() = 0;
  virtual void endDoc() = 0;
};

// One installed printer: the device name the system shows, and the platform's own queue
// name for it (the same text where the platform has no separate name). The default printer
// is the one that prints when none is chosen; a raw queue passes the bytes it is sent to the
// printer unchanged, so it takes no bags (labels only).
struct PrinterEntry {
  Text deviceName;
  Text queueName;
  bool isDefault = false;
  bool isRaw = false;
};

// The installed printers and the choice of the current one.
class Printers {
 public:
  virtual ~Printers() = default;
  // The printers in the platform's order.
  virtual std::vector<PrinterEntry> list() = 0;
  // Makes the printer at that index of list() the current printer.
  virtual void choose(std::size_t index) = 0;
  // The program's own printers, whose names are reserved: a job that names one gets it,
  // whatever the system's printers are called, and the system's printers are not asked for.
  // None where the platform has no built-in printers.
  virtual std::vector<PrinterEntry> builtIn() const { return {}; }
  // Makes the built-in printer at that index of builtIn() the current printer.
  virtual void chooseBuiltIn(std::size_t index) {
    throw SubscriptError("no built-in printer number " + std::to_string(index));
  }
  // The current printer: the chosen one, else the platform's default printer.
  virtual PrinterSurface& current() = 0;
  // The job file the printed documents are named after (where the printer makes files).
  virtual void setJobName(const Text& jobPath) = 0;
  // Why list() lacks printers the machine has (a print server that does not answer); empty
  // when the list is whole.
  virtual std::string missingPrinters() const { return {}; }
};

}  // namespace pillora
