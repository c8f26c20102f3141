#include "pillora/engine/cpillora.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/text/errors.h"
#include "tests/support/log_lines.h"
#include "tests/support/recording_printer.h"
#include "tests/support/refusing_surface.h"
#include "tests/support/temp_folder.h"

namespace pillora {
namespace {

DrugBagItemRef bag(const Text& name, bool multi = false) {
  DrugBagItemRef item = newDrugBagItem();
  item->藥品名稱(name);
  item->IsMutilDrug(multi);
  return item;
}

class CPilloraTest : public ::testing::Test {
 protected:
  testing::TempProgramFolder folder;
  testing::RecordingPrinter recorder;
  RunState run;
  CPillora engine{recorder.surface(), run};

  long count(const std::string& kind) const {
    return static_cast<long>(recorder.linesOf(kind).size());
  }
  std::vector<std::string> texts() const { return testing::drawnTexts(recorder.lines()); }
  bool drew(const std::string& text) const {
    const auto all = texts();
    return std::find(all.begin(), all.end(), text) != all.end();
  }
};

TEST_F(CPilloraTest, StartPrintOnANewEngineDrawsNothing) {
  engine.startPrint();
  EXPECT_EQ(recorder.lines(), (std::vector<std::string>{"enddoc"}));
  EXPECT_EQ(engine.Count(), 0);
}

TEST_F(CPilloraTest, EachItemIsABagOfItsOwnInItsOwnLayout) {
  engine.addDrugBagItem(bag(u"甲@乙@丙", true));
  const DrugBagItemRef single = bag(u"單方");
  engine.addDrugBagItem(single);
  engine.addDrugBagItem(single);
  engine.startPrint();
  EXPECT_EQ(count("enddoc"), 4);  // three bags, then the engine's own (empty) end
  EXPECT_TRUE(drew("甲"));        // the multi-drug layout split the names
  EXPECT_FALSE(drew("甲@乙@丙"));
  const auto all = texts();
  EXPECT_EQ(std::count(all.begin(), all.end(), "單方"), 2);
  // The multi-drug bag comes first: its names are drawn before the single bags'.
  EXPECT_LT(std::find(all.begin(), all.end(), "甲"), std::find(all.begin(), all.end(), "單方"));
  EXPECT_EQ(engine.Count(), 3);  // printing does not consume the items
}

TEST_F(CPilloraTest, RemoveAtClearAllAndCount) {
  const DrugBagItemRef first = bag(u"一");
  engine.addDrugBagItem(first);
  engine.addDrugBagItem(bag(u"二"));
  engine.addDrugBagItem(bag(u"三"));
  EXPECT_THROW(engine.removeAt(0), SubscriptError);
  EXPECT_THROW(engine.removeAt(4), SubscriptError);
  EXPECT_EQ(engine.Count(), 3);
  engine.removeAt(1);
  EXPECT_EQ(engine.Count(), 2);
  engine.printAt(1);
  EXPECT_TRUE(drew("二"));
  EXPECT_FALSE(drew("一"));
  engine.clearAll();
  EXPECT_EQ(engine.Count(), 0);
  EXPECT_EQ(first->藥品名稱(), u"一");
}

TEST_F(CPilloraTest, PrintAtUsesTheOffsetSingleBagWhateverTheItemAndEndsTheDocument) {
  engine.addDrugBagItem(bag(u"一"));
  engine.addDrugBagItem(bag(u"甲@乙@丙", true));
  engine.printAt(2);
  const auto all = texts();
  EXPECT_TRUE(drew("甲@乙@丙"));
  EXPECT_FALSE(drew("一"));
  ASSERT_GE(recorder.lines().size(), 2U);
  const auto tail = std::vector<std::string>(recorder.lines().end() - 2, recorder.lines().end());
  EXPECT_EQ(tail, (std::vector<std::string>{"newpage", "enddoc"}));
  recorder.clear();
  EXPECT_THROW(engine.printAt(3), SubscriptError);
  EXPECT_TRUE(recorder.lines().empty());
}

TEST_F(CPilloraTest, CountAbove32767Overflows) {
  const DrugBagItemRef item = bag(u"x");
  for (int i = 0; i < 32767; ++i) engine.addDrugBagItem(item);
  EXPECT_EQ(engine.Count(), 32767);
  engine.addDrugBagItem(item);
  EXPECT_THROW(engine.Count(), OverflowError);
}

TEST_F(CPilloraTest, APrinterFailureStopsTheLoopAndKeepsTheBagsAlreadyEnded) {
  testing::RefusingSurface refusing(recorder.surface(),
                                    [](const Text& text) { return startsWith(text, u"壞"); });
  CPillora failing(refusing, run);
  failing.addDrugBagItem(bag(u"一"));
  failing.addDrugBagItem(bag(u"壞"));
  failing.addDrugBagItem(bag(u"三"));
  EXPECT_THROW(failing.startPrint(), PrinterError);
  EXPECT_EQ(count("enddoc"), 1);  // the first bag only; no final end of document
  EXPECT_TRUE(drew("一"));
  EXPECT_FALSE(drew("三"));
}

TEST_F(CPilloraTest, PrintDrugBagOfNoItemsOnlyEndsTheDocument) {
  engine.printDrugBag({}, newDrugBagItem());
  EXPECT_EQ(recorder.lines(), (std::vector<std::string>{"enddoc"}));
}

}  // namespace
}  // namespace pillora
