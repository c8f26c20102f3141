#include "pillora/label/ttp245p.h"

#include <gtest/gtest.h>

#include "common/text/errors.h"
#include "platform/label/tspl_label_printer.h"
#include "tests/support/recording_label_printer.h"
#include "tests/support/temp_folder.h"

namespace pillora::testing {
namespace {

std::string column(int x, const Text& text) {
  return "windowsfont\t" + std::to_string(x) + "\t1210\t32\t90\t0\t0\t標楷體\t" + toUtf8(text);
}

// Sixteen lines of 60 characters, each made of its own letter.
std::vector<Text> fullLines() {
  std::vector<Text> lines;
  lines.reserve(16);
  for (int i = 0; i < 16; ++i) {
    lines.emplace_back(60, static_cast<char16_t>(u'A' + i));
  }
  return lines;
}

std::vector<std::string> labelStart() {
  return {"openport\tTSC TTP-245 Plus", "setup\t60\t150\t3\t5\t0\t3\t0", "clearbuffer"};
}

void append(std::vector<std::string>& to, const std::vector<std::string>& more) {
  to.insert(to.end(), more.begin(), more.end());
}

class LabelPrinterTest : public ::testing::Test {
 protected:
  TempProgramFolder folder;
  RecordingLabelPrinter labels;
  TTP245P printer{labels.port()};
};

TEST_F(LabelPrinterTest, PrinterNameFromDbpConfig) {
  EXPECT_EQ(printer.getPrinterName(), u"TSC TTP-245 Plus");  // no file
  const std::vector<std::pair<std::vector<Text>, Text>> cases{
      {{u"\t<cpprinter>  TSC TTP-247", u"</cpprinter>"}, u"TSC TTP-247"},
      {{u"<x/><cpprinter> \tLabel\t 1 </cpprinter><cpprinter>B</cpprinter>"}, u"Label 1"},
      {{u"<cpprinter></cpprinter>"}, u""},
  };
  for (const auto& [lines, name] : cases) {
    folder.writeBig5("DBP.config", lines);
    EXPECT_EQ(printer.getPrinterName(), name) << toUtf8(lines[0]);
  }
  for (const TextView wrong :
       {u"TSC TTP-247", u"<cpprinter>TSC", u"TSC</cpprinter>", u"</cpprinter>TSC<cpprinter>"}) {
    folder.writeBig5("DBP.config", {Text(wrong)});
    EXPECT_THROW(printer.getPrinterName(), InvalidArgumentError) << toUtf8(wrong);
  }
}

TEST_F(LabelPrinterTest, SixteenLinesMakeTwoLabelsTheFirstCutTo50) {
  std::vector<Text> lines = fullLines();
  printer.printBarLabel(lines);
  std::vector<std::string> expected = labelStart();
  for (int k = 0; k < 10; ++k) {
    expected.push_back(column(20 + 36 * k, Text(50, static_cast<char16_t>(u'A' + k))));
  }
  append(expected, {"printlabel\t1\t1", "closeport"});
  append(expected, labelStart());
  for (int k = 0; k < 6; ++k) {
    expected.push_back(column(20 + 36 * k, Text(60, static_cast<char16_t>(u'K' + k))));
  }
  append(expected, {"printlabel\t1\t1", "closeport"});
  EXPECT_EQ(labels.lines(), expected);
  EXPECT_EQ(len(lines[9]), 50);   // cut in the array itself
  EXPECT_EQ(len(lines[10]), 60);  // the second label's lines are not
}

TEST_F(LabelPrinterTest, AnEmptyLine10MakesOneLabelAndEmptyLinesLeaveTheirColumn) {
  std::vector<Text> lines(16);
  lines[0] = Text(50, u'藥');
  lines[2] = Text(51, u'藥');
  lines[11] = u"never shown";
  printer.printBarLabel(lines);
  std::vector<std::string> expected = labelStart();
  append(expected, {column(20, Text(50, u'藥')), column(92, Text(50, u'藥')), "printlabel\t1\t1",
                    "closeport"});
  EXPECT_EQ(labels.lines(), expected);
  EXPECT_EQ(lines[2], Text(50, u'藥'));
}

TEST_F(LabelPrinterTest, AShortArrayPrintsWhatItHasOnOneLabel) {
  std::vector<Text> lines{u"one", u"", u"three"};
  EXPECT_NO_THROW(printer.printBarLabel(lines));
  std::vector<std::string> expected = labelStart();
  append(expected, {column(20, u"one"), column(92, u"three"), "printlabel\t1\t1", "closeport"});
  EXPECT_EQ(labels.lines(), expected);
}

TEST_F(LabelPrinterTest, ADbpConfigWithoutTheTagsEndsBeforeAPortIsOpenedAndIsReported) {
  folder.writeBig5("dbp.config", {u"TSC TTP-245 Plus"});
  std::vector<Text> lines = fullLines();
  EXPECT_THROW(printer.printBarLabel(lines), InvalidArgumentError);
  EXPECT_EQ(labels.lines(), (std::vector<std::string>{"printlabel\t1\t1", "closeport"}));
}

TEST_F(LabelPrinterTest, ALabelThePrinterDoesNotTakeIsReportedAfterThePortIsReleased) {
  TsplLabelPrinter refusing([](const LabelJob&) { throw PrinterError("the queue is gone"); });
  std::vector<std::string> calls;
  LabelLog log([&calls](const std::string& line) { calls.push_back(line); }, &refusing);
  std::vector<Text> lines = fullLines();
  EXPECT_THROW(TTP245P(log).printBarLabel(lines), PrinterError);
  ASSERT_GE(calls.size(), 3U);
  // the first label's closeport fails: the failure path prints and closes once more
  EXPECT_EQ(std::vector<std::string>(calls.end() - 3, calls.end()),
            (std::vector<std::string>{"closeport", "printlabel\t1\t1", "closeport"}));
  EXPECT_EQ(std::count(calls.begin(), calls.end(), "openport\tTSC TTP-245 Plus"), 1);
}

}  // namespace
}  // namespace pillora::testing
