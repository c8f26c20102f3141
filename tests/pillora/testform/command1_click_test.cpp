// What a click of Command1 does in either window toolkit: one sample bag on the current
// printer, documents named Form1, and the message a failed print leaves for the box.
#include "pillora/testform/command1_click.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/support/log_lines.h"
#include "tests/support/recording_printer.h"
#include "tests/support/refusing_surface.h"
#include "tests/support/temp_folder.h"

namespace pillora::testing {
namespace {

const Text kFooter = u"專業醫療軟體製造商：澄朗科技有限公司";

// The installed printers reduced to one current printer, with the job name they were given.
class OnePrinter : public Printers {
 public:
  explicit OnePrinter(PrinterSurface& surface) : m_surface(surface) {}
  std::vector<PrinterEntry> list() override { return {}; }
  void choose(std::size_t /*index*/) override {}
  PrinterSurface& current() override { return m_surface; }
  void setJobName(const Text& jobPath) override { jobName = jobPath; }

  Text jobName;

 private:
  PrinterSurface& m_surface;
};

TEST(Command1Click, PrintsOneBagPerClickAndTellsWhyAPrintFailed) {
  struct Case {
    const char* name;
    RefusingSurface::Rule fails;
    std::optional<Text> message;
    std::size_t texts;  // drawn before the end or the failure
  };
  const std::vector<Case> cases{
      {"printed", [](const Text&) { return false; }, std::nullopt, 28},
      {"the first text refused", [](const Text&) { return true; }, u"the printer refused the text",
       0},
      {"the footer refused", [](const Text& text) { return text == kFooter; },
       u"the printer refused the text", 27},
      {"an error of the run-time",
       [](const Text& text) -> bool {
         if (text == kFooter) throw std::length_error("太長");
         return false;
       },
       u"太長", 27},
  };
  const TempProgramFolder folder;
  for (const Case& each : cases) {
    SCOPED_TRACE(each.name);
    RecordingPrinter recorder;
    RefusingSurface surface(recorder.surface(), each.fails);
    OnePrinter printers(surface);
    RunState run;
    const Command1Click click(printers, run);
    EXPECT_EQ(printers.jobName, u"Form1");
    for (std::size_t clicks = 1; clicks <= 2; ++clicks) {
      EXPECT_EQ(click(), each.message);
      EXPECT_EQ(drawnTexts(recorder.lines()).size(), each.texts * clicks);
    }
  }
}

}  // namespace
}  // namespace pillora::testing
