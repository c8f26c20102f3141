#pragma once
// The printers of a machine for start-up tests: a list and built-in printers to choose from,
// the choices made, how often the list was asked for, the job name given, why printers are missing,
// and one recording printer as the current one.
#include <string>
#include <vector>

#include "common/print/printer_surface.h"
#include "tests/support/recording_printer.h"

namespace pillora::testing {

class FakePrinters : public Printers {
 public:
  std::vector<PrinterEntry> entries;
  std::vector<PrinterEntry> builtInEntries;
  std::vector<std::size_t> chosen;
  std::vector<std::size_t> chosenBuiltIn;
  int listings = 0;  // calls of list()
  Text jobName;
  std::string missing;  // why printers are missing from the list
  RecordingPrinter recorder;

  std::vector<PrinterEntry> list() override {
    ++listings;
    return entries;
  }
  void choose(std::size_t index) override { chosen.push_back(index); }
  std::vector<PrinterEntry> builtIn() const override { return builtInEntries; }
  void chooseBuiltIn(std::size_t index) override { chosenBuiltIn.push_back(index); }
  PrinterSurface& current() override { return recorder.surface(); }
  void setJobName(const Text& jobPath) override { jobName = jobPath; }
  std::string missingPrinters() const override { return missing; }
};

}  // namespace pillora::testing
