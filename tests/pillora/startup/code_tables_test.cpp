#include "pillora/startup/code_tables.h"

#include <gtest/gtest.h>

namespace pillora {
namespace {

TEST(CodeTables, ExactMatchesExpandAndEverythingElseStays) {
  EXPECT_EQ(getFrequencyText(u"TID"), u"每日三次(早上、中午以及晚上各一次)");
  EXPECT_EQ(getFrequencyText(u"QID"), u"每日四次(早上、中午、晚上以及睡前各一次)");
  EXPECT_EQ(getFrequencyText(u"QM"), getFrequencyText(u"QAM"));
  EXPECT_EQ(getFrequencyText(u"Q8H"), u"Q8H");
  EXPECT_EQ(getFrequencyText(u"tid"), u"tid");
  EXPECT_EQ(getFrequencyText(u"TID "), u"TID ");
  EXPECT_EQ(getFrequencyText(u""), u"");
  EXPECT_EQ(getRouteText(u"PO"), u"口服");
  EXPECT_EQ(getRouteText(u"R"), u"肛門適量用");
  EXPECT_EQ(getRouteText(u"V"), u"陰道用");
  EXPECT_EQ(getRouteText(u"RV"), u"RV");
  EXPECT_EQ(getRouteText(u"IRRE"), u"依醫師指示服用");
}

TEST(CodeTables, StripLineFeedsKeepsCarriageReturnsAndOtherFields) {
  CDrugBagItem item;
  item.適應症(u"降血壓\r\n預防中風");
  item.其他用藥指示(u"飯後\n服用");
  item.警語(u"\n");
  item.可能副作用(u"頭暈\n、嗜睡");
  item.藥品名稱(u"A\nB");
  stripLineFeeds(item);
  EXPECT_EQ(item.適應症(), u"降血壓\r預防中風");
  EXPECT_EQ(item.其他用藥指示(), u"飯後服用");
  EXPECT_EQ(item.警語(), u"");
  EXPECT_EQ(item.可能副作用(), u"頭暈、嗜睡");
  EXPECT_EQ(item.藥品名稱(), u"A\nB");
}

}  // namespace
}  // namespace pillora
