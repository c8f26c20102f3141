#include "pillora/layouts/layout_printer.h"

#include <gtest/gtest.h>

#include "tests/support/recording_printer.h"
#include "tests/support/temp_folder.h"

namespace pillora {
namespace {

class LayoutPrinterTest : public ::testing::Test {
 protected:
  testing::TempProgramFolder folder;
  testing::RecordingPrinter recorder;
  RunState run;
  LayoutPrinter printer{recorder.surface(), run};
};

TEST_F(LayoutPrinterTest, PrimitivesPlaceTextInTwipsWithAndWithoutOffsets) {
  folder.writeBig5("layout.config", {u"-1.8,0"});
  printer.loadLayoutConfig();
  printer.printTextAt(14, 1, 2, u"藥局");
  printer.printTextFixed(14, 3, 1, u"固定");
  EXPECT_EQ(recorder.lines(), (std::vector<std::string>{
                                  "text\t1417.50\t963.90\t標楷體\t14\t0\t藥局",
                                  "text\t283.50\t283.50\t標楷體\t14\t0\t固定",
                              }));
}

TEST_F(LayoutPrinterTest, FixedPrimitiveKeepsTheFontNameAnEarlierCallSet) {
  folder.writeBig5("DrugBag.config", {u"<字型名稱>微軟正黑體</字型名稱>"});
  recorder.surface().setFontName(u"Default");
  printer.printTextFixed(10, 2.5F, 0.5F, u"a");
  printer.printTextAt(13.7F, 0, 0.3F, u"b");
  printer.printTextFixed(9, 2.5F, 0.5F, u"c");
  EXPECT_EQ(recorder.lines(), (std::vector<std::string>{
                                  "text\t0.00\t0.00\tDefault\t10\t0\ta",
                                  "text\t1871.10\t0.00\t微軟正黑體\t13.7\t0\tb",
                                  "text\t0.00\t0.00\t微軟正黑體\t9\t0\tc",
                              }));
}

TEST_F(LayoutPrinterTest, TimeMarkIsABoldVInItsColumn) {
  folder.writeBig5("layout.config", {u"1,0.5"});
  printer.loadLayoutConfig();
  printer.printTimeMark(5, true);
  printer.printTimeMark(0, false);
  printer.printTextFixed(10, 2.5F, 0.5F, u"x");
  EXPECT_EQ(recorder.lines(), (std::vector<std::string>{
                                  "text\t9865.80\t11056.50\t標楷體\t14\t1\tV",
                                  "text\t3912.30\t11056.50\t標楷體\t14\t1\tV",
                                  "text\t0.00\t0.00\t標楷體\t10\t0\tx",
                              }));
}

struct LayoutFile {
  std::vector<Text> lines;
  double x, y, extra;
  bool paged;
};

TEST_F(LayoutPrinterTest, LayoutFileVariants) {
  const LayoutFile cases[] = {
      {{u"", u"true"}, -1.8, 0, 0, true},
      {{u"0.5"}, 0.5, 0, 0, false},
      {{u" 1 , 2 ,3", u"TRUE "}, 1, 2, 3, false},
      {{u"abc,-0.7"}, 0, -0.7, 0, false},
      {{}, -1.8, 0, 0, false},
  };
  for (const LayoutFile& c : cases) {
    folder.writeBig5("layout.config", c.lines);
    LayoutPrinter fresh(recorder.surface(), run);
    fresh.loadLayoutConfig();
    EXPECT_DOUBLE_EQ(fresh.offsetX(), c.x);
    EXPECT_DOUBLE_EQ(fresh.offsetY(), c.y);
    EXPECT_DOUBLE_EQ(fresh.layoutExtra(), c.extra);
    EXPECT_EQ(fresh.pagedLayout(), c.paged);
  }
}

TEST_F(LayoutPrinterTest, LayoutFileIsReadOnceAndItsAbsenceMeansNoOffsets) {
  printer.loadLayoutConfig();
  EXPECT_DOUBLE_EQ(printer.offsetX(), 0);
  folder.writeBig5("layout.config", {u"1,1", u"TRUE"});
  printer.loadLayoutConfig();
  EXPECT_DOUBLE_EQ(printer.offsetX(), 0);
  EXPECT_FALSE(printer.pagedLayout());
  EXPECT_EQ(printer.getBaseFontSize(), 14.0F);
}

}  // namespace
}  // namespace pillora
