// The commands beside printing a job, as Main dispatches them: the calibration sheet on the
// printer a job would choose, written as a shell or as Windows hands the line over; the
// archive search's refusals.
#include "pillora/startup/tool_commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "tests/support/fake_printers.h"
#include "tests/support/scoped_environment.h"
#include "tests/support/temp_folder.h"

namespace pillora {
namespace {

class ToolCommandsTest : public ::testing::Test {
 protected:
  testing::TempProgramFolder folder;
  testing::FakePrinters printers;
  std::ostringstream out;
  std::ostringstream err;
  int jobsRead = 0;

  ToolCommandsTest() {
    printers.entries = {{u"Bag Printer 1", u"BagPrinter1"}, {u"Pillora PDF", u"Pillora PDF"}};
  }
  int run(const Text& commandLine) {
    const JobReader reader = [this](const Text&, RunState&, PrinterSurface&) { ++jobsRead; };
    return Main(commandLine, [this]() -> Printers& { return printers; }, {reader, reader, reader},
                {out, err});
  }
  bool sheetDrawn() const {
    const auto& lines = printers.recorder.lines();
    return std::any_of(lines.begin(), lines.end(),
                       [](const std::string& line) { return line.ends_with("\t病患 patient"); }) &&
           lines.back() == "enddoc";
  }
};

TEST_F(ToolCommandsTest, CalibrationSheetGoesToThePrinterAJobWouldChoose) {
  struct Case {
    const char16_t* line;
    std::vector<std::size_t> chosen;
  };
  for (const Case& c :
       {Case{u"--calibrate", {}}, Case{u"--calibrate\tPillora PDF", {1}},
        Case{u"--calibrate \"Bag Printer 1\"", {0}}, Case{u"--calibrate  Pillora PDF ", {1}}}) {
    SCOPED_TRACE(toUtf8(c.line));
    printers.chosen.clear();
    printers.recorder.clear();
    EXPECT_EQ(run(c.line), kExitOk);
    EXPECT_EQ(printers.chosen, c.chosen);
    EXPECT_EQ(printers.jobName, u"calibration");
    EXPECT_TRUE(sheetDrawn());
  }
  EXPECT_EQ(jobsRead, 0);
  EXPECT_EQ(err.str(), "");
}

TEST_F(ToolCommandsTest, ArchiveSearchRefusesWhatItCannotTake) {
  const testing::ScopedEnvironment noArchive("PILLORA_ARCHIVE_DIR", std::nullopt);
  EXPECT_EQ(run(u"--archive-find"), 2);
  EXPECT_EQ(run(u"--archive-find\t王小明\t--from\t2026/12/01"), 2);
  EXPECT_EQ(run(u"--archive-find\t王小明\t--since\t2026-12-01"), 2);
  EXPECT_EQ(run(u"--archive-find\t王小明"), 1);  // no archive set
  EXPECT_NE(err.str().find("no archive is set"), std::string::npos) << err.str();
  EXPECT_EQ(jobsRead, 0);
}

}  // namespace
}  // namespace pillora
