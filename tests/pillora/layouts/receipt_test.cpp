#include <gtest/gtest.h>

#include "tests/pillora/layouts/sample_records.h"
#include "tests/support/refusing_surface.h"

namespace pillora::testing {
namespace {

class ReceiptTest : public LayoutTest {
 protected:
  LoggedPage print(const Text& drugFee, const Text& serviceFee, double offX = 0.0,
                   double offY = 0.0) {
    const DrugBagItemRef item = sampleDrug();
    item->藥品費(drugFee);
    item->藥事服務費(serviceFee);
    item->自行負擔額(u"50");
    item->健保申報金額(u"118");
    printReceipt(printer, *item, u"仁愛診所 ");
    const auto printed = pages(offX, offY);
    return printed.empty() ? LoggedPage{} : printed.front();
  }
};

TEST_F(ReceiptTest, BoxRulesTitleAndAmountRows) {
  const LoggedPage page = print(u"120", u"48");
  EXPECT_EQ(page.lines, (std::vector<std::string>{
                            "line\t9468.90\t623.70\t11056.50\t623.70",
                            "line\t9468.90\t623.70\t9468.90\t2268.00",
                            "line\t11056.50\t623.70\t11056.50\t2268.00",
                            "line\t9468.90\t2268.00\t11056.50\t2268.00",
                            "line\t9468.90\t907.20\t11056.50\t907.20",
                            "line\t9468.90\t1190.70\t11056.50\t1190.70",
                            "line\t9468.90\t1474.20\t11056.50\t1474.20",
                            "line\t9468.90\t1757.70\t11056.50\t1757.70",
                            "line\t9468.90\t2041.20\t11056.50\t2041.20",
                        }));
  ASSERT_EQ(page.texts.size(), 7U);
  EXPECT_TRUE(drawnAt(page, "收　　　　據", 11, 13.5, 1.5));
  EXPECT_TRUE(page.texts[0].bold);
  const std::vector<std::pair<std::string, double>> rows = {{"藥　　費：120", 2.0},
                                                            {"服務費　：48", 2.5},
                                                            {"合　　計：168", 3.0},
                                                            {"負擔額　：50", 3.5},
                                                            {"健保申報：118", 3.9}};
  for (size_t i = 0; i < rows.size(); ++i) {
    EXPECT_TRUE(drawnAt(page, rows[i].first, 10, 13.5, rows[i].second)) << rows[i].first;
    EXPECT_FALSE(page.texts[i + 1].bold);
  }
  EXPECT_TRUE(drawnAt(page, "仁愛診所 ", 15, 10.5, 3.2));
}

TEST_F(ReceiptTest, ARefusedTitleLeavesTheAmountsInTheirOwnWeight) {
  RefusingSurface refusing(recorder.surface(),
                           [](const Text& text) { return text == u"收　　　　據"; });
  LayoutPrinter failing(refusing, run);
  EXPECT_THROW(printReceipt(failing, *sampleDrug(), u"仁愛診所"), PrinterError);
  EXPECT_FALSE(refusing.pen().bold);
}

TEST_F(ReceiptTest, TotalOfOrdinaryLargeAmountsAndOfAmountsThatAreNoNumbers) {
  const std::vector<std::tuple<Text, Text, std::string>> cases = {
      {u"30000", u"5000", "合　　計：35000"},
      {u"2147483647", u"1", "合　　計：2147483648"},
      {u" 12.5", u"0.5", "合　　計：12"},  // each rounded half to even: 12 + 0
      {u"", u"48", "合　　計："},
      {u"120", u"abc", "合　　計："},
      {u"1e10", u"1", "合　　計："},
  };
  for (const auto& [drugFee, serviceFee, total] : cases) {
    recorder.clear();
    const LoggedPage page = print(drugFee, serviceFee);
    EXPECT_TRUE(drawnAt(page, total, 10, 13.5, 3.0)) << u8(drugFee);
    EXPECT_TRUE(drawnAt(page, "健保申報：118", 10, 13.5, 3.9)) << u8(drugFee);
    EXPECT_TRUE(drawnAt(page, "仁愛診所 ", 15, 10.5, 3.2)) << u8(drugFee);
  }
}

TEST_F(ReceiptTest, OffsetsMoveTheTextButNotTheBox) {
  folder.writeBig5("layout.config", {u"1,1"});
  printer.loadLayoutConfig();
  const LoggedPage page = print(u"120", u"48", 1.0, 1.0);
  EXPECT_TRUE(drawnAt(page, "合　　計：168", 10, 13.5, 3.0));
  EXPECT_EQ(page.lines.front(), "line\t9468.90\t623.70\t11056.50\t623.70");
}

}  // namespace
}  // namespace pillora::testing
