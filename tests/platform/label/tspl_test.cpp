#include "platform/label/tspl_label_printer.h"

#include <gtest/gtest.h>

#include <functional>

#include "common/text/codepage.h"
#include "common/text/errors.h"
#include "platform/label/label_log.h"
#include "tests/support/scratch_folder.h"

namespace pillora::testing {
namespace {

// A BITMAP command read back: where, how large, and its dots.
struct ParsedBitmap {
  int x = 0;
  int y = 0;
  int widthBytes = 0;
  int height = 0;
  std::string data;
  bool dark(int column, int row) const {
    const auto byte = static_cast<unsigned char>(data[row * widthBytes + column / 8]);
    return (byte & (0x80U >> (column % 8))) == 0;
  }
};

struct ParsedJob {
  std::vector<std::string> commands;  // BITMAP commands as "BITMAP x,y,widthBytes,height,mode"
  std::vector<ParsedBitmap> bitmaps;
};

ParsedJob parse(const std::string& tspl) {
  ParsedJob job;
  std::size_t at = 0;
  while (at < tspl.size()) {
    if (tspl.compare(at, 7, "BITMAP ") == 0) {
      ParsedBitmap bitmap;
      int mode = 0;
      int read = 0;
      EXPECT_EQ(std::sscanf(tspl.c_str() + at, "BITMAP %d,%d,%d,%d,%d,%n", &bitmap.x, &bitmap.y,
                            &bitmap.widthBytes, &bitmap.height, &mode, &read),
                5);
      job.commands.push_back(tspl.substr(at, read - 1));
      at += read;
      bitmap.data = tspl.substr(at, static_cast<std::size_t>(bitmap.widthBytes) * bitmap.height);
      at += bitmap.data.size();
      job.bitmaps.push_back(bitmap);
      EXPECT_EQ(tspl.compare(at, 2, "\r\n"), 0) << "no CR LF after the bitmap data";
      at += 2;
      continue;
    }
    const std::size_t end = tspl.find("\r\n", at);
    EXPECT_NE(end, std::string::npos) << "a command without CR LF";
    job.commands.push_back(tspl.substr(at, end - at));
    at = end == std::string::npos ? tspl.size() : end + 2;
  }
  return job;
}

class TsplTest : public ::testing::Test {
 protected:
  void openLabel() {
    port.openport(u"TSC TTP-245 Plus");
    port.setup(u"60", u"150", u"3", u"5", u"0", u"3", u"0");
    port.clearbuffer();
  }
  void column(int x, const Text& text, int rotation = 90) {
    port.windowsfont(x, 1210, 32, rotation, 0, 0, u"標楷體", text);
  }
  ParsedJob onlyJob() {
    EXPECT_EQ(jobs.size(), 1U);
    return jobs.empty() ? ParsedJob{} : parse(jobs.front().tspl);
  }

  std::vector<LabelJob> jobs;
  TsplLabelPrinter port{[this](const LabelJob& job) { jobs.push_back(job); }};
};

TEST_F(TsplTest, ALabelOfTurnedColumnsReadsBack) {
  openLabel();
  column(20, u"姓名:王小明　調劑日：960506");
  column(92, u"●Aspirin 100mg　●每日三次");
  port.printlabel(u"1", u"1");
  port.closeport();
  const ParsedJob job = onlyJob();
  ASSERT_EQ(job.commands.size(), 8U);
  EXPECT_EQ(std::vector<std::string>(job.commands.begin(), job.commands.begin() + 5),
            (std::vector<std::string>{"SIZE 60 mm,150 mm", "SPEED 3", "DENSITY 5", "GAP 3 mm,0 mm",
                                      "CLS"}));
  EXPECT_EQ(job.commands.back(), "PRINT 1,1");
  ASSERT_EQ(job.bitmaps.size(), 2U);
  const MonoBitmap& label = jobs[0].labels.at(0);
  EXPECT_EQ(label.width, 480);
  EXPECT_EQ(label.height, 1200);
  int darkDots = 0;
  for (std::size_t i = 0; i < 2; ++i) {
    const ParsedBitmap& bitmap = job.bitmaps[i];
    EXPECT_EQ(bitmap.x, i == 0 ? 20 : 92);
    EXPECT_EQ(bitmap.y + bitmap.height, 1200);  // the text runs up from the label's edge
    EXPECT_GT(bitmap.height, bitmap.widthBytes * 8);
    EXPECT_LT(bitmap.widthBytes * 8, 36 + 8);
    // The label's picture shows the same dots as the command (the label ends at 1200).
    for (int row = 0; bitmap.y + row < 1200; ++row) {
      for (int dot = 0; dot < bitmap.widthBytes * 8 && bitmap.x + dot < 480; ++dot) {
        darkDots += bitmap.dark(dot, row) ? 1 : 0;
        ASSERT_EQ(label.dark(bitmap.x + dot, bitmap.y + row), bitmap.dark(dot, row));
      }
    }
  }
  EXPECT_GT(darkDots, 1000);
}

TEST_F(TsplTest, TurnsPlaceTheTextAroundItsCorner) {
  struct Case {
    int rotation;
    std::function<bool(const ParsedBitmap&)> placed;
  };
  const std::vector<Case> cases{
      {0,
       [](const ParsedBitmap& b) {
         return b.x == 200 && b.y == 600 && b.widthBytes * 8 > b.height;
       }},
      {90, [](const ParsedBitmap& b) { return b.x == 200 && b.y + b.height == 600; }},
      {180, [](const ParsedBitmap& b) { return b.x < 200 - 60 && b.y + b.height == 600; }},
      {270, [](const ParsedBitmap& b) { return b.x < 200 && b.y == 600 && b.height > 60; }},
  };
  for (const auto& [rotation, placed] : cases) {
    jobs.clear();
    openLabel();
    port.windowsfont(200, 600, 32, rotation, 0, 0, u"標楷體", u"藥品標籤");
    port.closeport();
    const ParsedJob job = onlyJob();
    ASSERT_EQ(job.bitmaps.size(), 1U);
    EXPECT_TRUE(placed(job.bitmaps[0])) << rotation << ": " << job.commands[5];
  }
}

TEST_F(TsplTest, TextBeyondTheLabelsTopIsCutAndEmptyTextDrawsNothing) {
  openLabel();
  column(20, Text(60, u'藥'));
  column(56, u"");
  port.closeport();
  const ParsedJob job = onlyJob();
  ASSERT_EQ(job.bitmaps.size(), 1U);
  EXPECT_EQ(job.bitmaps[0].y, 0);
  EXPECT_EQ(job.bitmaps[0].height, 1200);
}

// The columns' y of 1210 lies 10 dots past the 1,200-dot label's edge, where each line
// starts (the text runs up from its anchor): the line is drawn from the label's edge, whole,
// as it is drawn anywhere on the label.
TEST_F(TsplTest, ALineStartingPastTheLabelsEdgeIsDrawnWholeFromTheEdge) {
  openLabel();
  column(20, u"姓名");
  port.windowsfont(56, 1000, 32, 90, 0, 0, u"標楷體", u"姓名");
  port.printlabel(u"1", u"1");
  port.closeport();
  const ParsedJob job = onlyJob();
  ASSERT_EQ(job.bitmaps.size(), 2U);
  EXPECT_EQ(job.bitmaps[0].y + job.bitmaps[0].height, 1200);
  EXPECT_EQ(job.bitmaps[0].height, job.bitmaps[1].height);
  EXPECT_EQ(job.bitmaps[0].data, job.bitmaps[1].data);
}

TEST_F(TsplTest, CallsWithoutAnOpenPortDoNothing) {
  port.setup(u"60", u"150", u"3", u"5", u"0", u"3", u"0");
  column(20, u"藥");
  port.printlabel(u"1", u"1");
  port.closeport();
  EXPECT_TRUE(jobs.empty());
  openLabel();
  port.closeport();
  port.printlabel(u"1", u"1");
  port.closeport();
  EXPECT_EQ(onlyJob().commands.size(), 5U);
}

TEST_F(TsplTest, ValuesTheLabelCannotTakeAreErrors) {
  port.openport(u"TSC");
  EXPECT_THROW(port.setup(u"6O", u"150", u"3", u"5", u"0", u"3", u"0"), ConversionError);
  EXPECT_THROW(port.setup(u"0", u"150", u"3", u"5", u"0", u"3", u"0"), InvalidArgumentError);
  EXPECT_THROW(port.setup(u"251", u"150", u"3", u"5", u"0", u"3", u"0"), InvalidArgumentError);
  EXPECT_THROW(port.setup(u"60", u"1001", u"3", u"5", u"0", u"3", u"0"), InvalidArgumentError);
  EXPECT_THROW(port.setup(u"60", u"150", u"3", u"5", u"x", u"3", u"0"), ConversionError);
  port.closeport();
  EXPECT_TRUE(jobs.empty());  // nothing of a refused set-up, nothing sent
  port.openport(u"TSC");
  EXPECT_THROW(port.windowsfont(20, 1210, 32, 45, 0, 0, u"標楷體", u"藥"), PrinterError);
  EXPECT_THROW(port.windowsfont(20, 1210, 0, 90, 0, 0, u"標楷體", u"藥"), PrinterError);
  EXPECT_THROW(port.printlabel(u"one", u"1"), ConversionError);
}

TEST_F(TsplTest, TheFurtherCallsOfTheLibrary) {
  ScratchFolder folder;
  const std::string pcx = folder.write("logo.pcx", "PCX");
  struct Case {
    std::function<void()> call;
    std::string command;
  };
  const std::vector<Case> cases{
      {[&] { port.sendcommand(u"DIRECTION 1"); }, "DIRECTION 1"},
      {[&] { port.setup(u"50", u"30", u"4", u"8", u"1", u"2.5", u"1"); }, "BLINE 2.5 mm,1 mm"},
      {[&] { port.barcode(u"10", u"20", u"128", u"50", u"1", u"0", u"2", u"2", u"A\"1"); },
       R"(BARCODE 10,20,"128",50,1,0,2,2,"A\["]1")"},
      {[&] { port.printerfont(u"10", u"20", u"3", u"0", u"1", u"1", u"藥"); },
       R"(TEXT 10,20,"3",0,1,1,")" + encodeCp950(u"藥") + "\""},
      {[&] { port.downloadpcx(fromUtf8(pcx), u"LOGO.PCX"); }, R"(DOWNLOAD "LOGO.PCX",3,PCX)"},
      {[&] { port.formfeed(); }, "FORMFEED"},
      {[&] { port.nobackfeed(); }, "SET TEAR OFF"},
  };
  for (const auto& [call, command] : cases) {
    jobs.clear();
    port.openport(u"TSC");
    call();
    port.closeport();
    const ParsedJob job = onlyJob();
    ASSERT_FALSE(job.commands.empty());
    EXPECT_EQ(job.commands.back(), command);
  }
  port.openport(u"TSC");
  EXPECT_THROW(port.downloadpcx(fromUtf8(folder.path("none.pcx")), u"X"), FileError);
}

TEST(LabelLogTest, OneLinePerCallAndTheCallGoesOn) {
  std::vector<LabelJob> jobs;
  TsplLabelPrinter port([&jobs](const LabelJob& job) { jobs.push_back(job); });
  std::vector<std::string> lines;
  LabelLog log([&lines](const std::string& line) { lines.push_back(line); }, &port);
  log.openport(u"TSC TTP-245 Plus");
  log.setup(u"60", u"150", u"3", u"5", u"0", u"3", u"0");
  log.windowsfont(20, 1210, 32, 90, 0, 0, u"標楷體", u"a\tb\\c\r\n");
  log.barcode(u"1", u"2", u"128", u"4", u"1", u"0", u"2", u"2", u"X");
  log.closeport();
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "openport\tTSC TTP-245 Plus", "setup\t60\t150\t3\t5\t0\t3\t0",
                       "windowsfont\t20\t1210\t32\t90\t0\t0\t標楷體\ta\\tb\\\\c\\r\\n",
                       "barcode\t1\t2\t128\t4\t1\t0\t2\t2\tX", "closeport"}));
  ASSERT_EQ(jobs.size(), 1U);
  EXPECT_EQ(jobs[0].printerName, u"TSC TTP-245 Plus");
}

}  // namespace
}  // namespace pillora::testing
