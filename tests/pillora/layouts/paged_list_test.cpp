#include <gtest/gtest.h>

#include "common/text/errors.h"
#include "tests/pillora/layouts/sample_records.h"

namespace pillora::testing {
namespace {

// ---- header block of a page ----

class BagHeaderTest : public LayoutTest {
 protected:
  LoggedPage print(std::int16_t days = 28) {
    printBagHeader(printer, days, *head);
    const auto printed = pages();
    return printed.empty() ? LoggedPage{} : printed.front();
  }
};

TEST_F(BagHeaderTest, DrawsEveryRowOfTheBlock) {
  head->慢箋可調次數(u"2");
  head->調劑日期(u"2015-10-14");
  const LoggedPage page = print();
  const std::vector<std::tuple<std::string, double, double, double>> rows = {
      {"仁愛診所", 15, 10.5, 3.2},
      {"02-2345-6789", 14, 10.5, 2.0},
      {"安康藥局   用心把關", 24, 0.5, 0.5},
      {"台北市中正區健康路1號", 14, 5.4, 4.3},
      {"林藥師", 14, 5.4, 2.0},
      {"陳醫師", 14, 5.4, 3.2},
      {"28", 14, 7.2, 8.1},
      {"2015-10-14", 14, 2.0, 8.1},
      {"1", 14, 10.0, 8.1},
      {"2015-11-11", 18, 11.0, 5.6},
      {"王小明", 18, 2.0, 6.8},
      {"內科", 15, 10.5, 6.8},
      {"0912-345-678", 15, 2.8, 7.5},
      {"45/男", 16, 7.2, 6.8},
      {"A-01", 13.7, 15.1, 20.0},
  };
  for (const auto& [text, size, x, y] : rows) {
    EXPECT_TRUE(drawnAt(page, text, size, x, y)) << text;
  }
  EXPECT_EQ(textsAt(page, 3.8, 5.6), std::vector<std::string>{"2"});
  EXPECT_EQ(textsAt(page, 6.8, 5.6), std::vector<std::string>{"2"});
  EXPECT_EQ(page.texts.size(), rows.size() + 2);
  EXPECT_TRUE(markColumns(page).empty());
  EXPECT_TRUE(recorder.linesOf("newpage").empty());
}

TEST_F(BagHeaderTest, CountsOfFills) {
  struct Case {
    Text allowed;
    bool date;
    Text stored;
  };
  const std::vector<Case> cases = {
      {u"0", false, u"1"}, {u"1", false, u"1"}, {u"3", true, u"3"},
      {u"", false, u""},   {u"x", false, u"x"},
  };
  for (const Case& c : cases) {
    head->慢箋可調次數(c.allowed);
    recorder.clear();
    const LoggedPage page = print();
    EXPECT_EQ(drawnAt(page, "2015-11-11", 18, 11.0, 5.6), c.date) << u8(c.allowed);
    EXPECT_EQ(head->慢箋可調次數(), c.stored);
    EXPECT_EQ(textsAt(page, 3.8, 5.6), std::vector<std::string>{u8(c.stored)});
    // every later row is still drawn
    EXPECT_TRUE(drawnAt(page, "A-01", 13.7, 15.1, 20.0)) << u8(c.allowed);
  }
}

TEST_F(BagHeaderTest, ADispensingDateThatIsNoDateDrawsNoNextDateButTheRest) {
  folder.touch("220306.config");
  const LoggedPage page = print();
  EXPECT_TRUE(textsAt(page, 11.0, 5.6).empty());
  EXPECT_TRUE(drawnAt(page, "姓名:王小明", 18, 2.0, 6.8));
}

TEST_F(BagHeaderTest, StockFlagsAndTimeMarks) {
  folder.touch("BlankBody.config");
  folder.touch("PrePrintNameAddress.config");
  folder.touch("isPharmacyUp.config");  // not asked by this block
  head->藥品頻率(u"早晚");
  head->藥品用法(u"飯前");
  LoggedPage page = print();
  EXPECT_TRUE(drawnAt(page, "陳醫師", 14, 5.4, 2.0));
  EXPECT_TRUE(drawnAt(page, "林藥師", 14, 5.4, 3.2));
  EXPECT_FALSE(drawsText(page, "02-2345-6789"));
  EXPECT_FALSE(drawsText(page, "台北市中正區健康路1號"));
  EXPECT_TRUE(markColumns(page).empty());

  folder.touch("151014.config");
  recorder.clear();
  page = print();
  EXPECT_EQ(markColumns(page), (std::vector<int>{0, 2, 4}));
  // the single characters of the header: TID's sentence marks morning, noon and evening
  head->藥品頻率(u"每日三次(早上、中午以及晚上各一次)");
  recorder.clear();
  EXPECT_EQ(markColumns(print()), (std::vector<int>{0, 1, 2, 4}));
}

// ---- usage lines ----

class UsageLinesTest : public LayoutTest {
 protected:
  DrugBagItems threeDrugs() {
    return {sampleDrug(u"甲藥"), sampleDrug(u"乙藥"), sampleDrug(u"丙藥")};
  }
  LoggedPage print(const DrugBagItems& drugs) {
    printUsageLines(printer, drugs);
    const auto printed = pages();
    return printed.empty() ? LoggedPage{} : printed.front();
  }
};

TEST_F(UsageLinesTest, LongSentenceNumberedAcrossSheetsAtTheLinePitch) {
  run.sheetNumber = 3;
  const DrugBagItems drugs = threeDrugs();
  drugs[2]->適應症(chars(11));
  const LoggedPage page = print(drugs);
  ASSERT_EQ(page.texts.size(), 6U);
  EXPECT_TRUE(drawnAt(page,
                      "11.甲藥每日三次(早上、中午以及晚上各一次)  用量：1顆  飯後服用 總量：84  ",
                      14, 1.6, 9.6));
  EXPECT_EQ(page.texts[1].text, "適應症:解熱鎮痛  外觀:白色錠劑");
  EXPECT_TRUE(near(page.texts[1].y, 10.2));
  EXPECT_EQ(page.texts[2].text.substr(0, 3), "12.");
  EXPECT_TRUE(near(page.texts[4].y, 12.6));
  EXPECT_EQ(page.texts[4].text.substr(0, 3), "13.");
  EXPECT_TRUE(near(page.texts[5].y, 13.2));
  EXPECT_EQ(page.texts[5].text, "適應症:" + u8(chars(10)) + "  外觀:白色錠劑");
  EXPECT_EQ(drugs[2]->適應症(), chars(10));
  EXPECT_EQ(run.sheetNumber, 3);
  EXPECT_EQ(recorder.lines().back(), "newpage");
}

TEST_F(UsageLinesTest, CompactSentenceWith151014NumbersEveryPageFromOne) {
  folder.touch("151014.config");
  const DrugBagItems drugs = threeDrugs();
  drugs[1]->藥品頻率(u"每天一次");
  const LoggedPage page = print(drugs);
  ASSERT_EQ(page.texts.size(), 6U);
  EXPECT_EQ(page.texts[0].text, "1.甲藥每日(早、午以及晚)  。每次 1顆,共84  ");
  EXPECT_EQ(page.texts[2].text, "2.乙藥  。每次 1顆,共84  ");
  EXPECT_EQ(page.texts[4].text.substr(0, 2), "3.");
  EXPECT_EQ(drugs[0]->藥品頻率(), u"每日(早、午以及晚)");
  EXPECT_EQ(drugs[1]->藥品頻率(), u"");
  EXPECT_EQ(run.sheetNumber, 1);  // 0 becomes 1 even when it is not used
}

TEST_F(UsageLinesTest, NamesAndDetailsAreCut) {
  const DrugBagItemRef twenty = sampleDrug(chars(20));
  const DrugBagItemRef longer = sampleDrug(chars(21));
  longer->藥品外觀(chars(12));
  const LoggedPage page = print({twenty, longer});
  EXPECT_EQ(page.texts[0].text.substr(0, 2 + 60), "1." + u8(chars(20)));
  EXPECT_EQ(page.texts[2].text.substr(0, 2 + 60 + 3), "2." + u8(chars(20)) + "每");
  EXPECT_EQ(longer->藥品外觀(), chars(10));
  EXPECT_EQ(longer->藥品名稱(), chars(21));
}

TEST_F(UsageLinesTest, DrugBagConfigSetsPitchAndSize) {
  folder.writeBig5("DrugBag.config",
                   {u"<多藥一袋藥品行高>2</多藥一袋藥品行高>", u"<字型Size>12.5</字型Size>"});
  const LoggedPage page = print(threeDrugs());
  ASSERT_EQ(page.texts.size(), 6U);
  EXPECT_TRUE(near(page.texts[4].y, 13.6));
  EXPECT_TRUE(near(page.texts[5].y, 14.2));
  EXPECT_EQ(page.texts[4].size, 12);
}

TEST_F(UsageLinesTest, EmptyPageStillEndsAndTheLastSheetsAreNumbered) {
  printUsageLines(printer, {});
  EXPECT_EQ(recorder.lines(), std::vector<std::string>{"newpage"});
  for (const auto& [sheet, first] : {std::pair<std::int16_t, std::string>{32767, "163831."},
                                     {-32768, "-163844."}}) {
    recorder.clear();
    run.sheetNumber = sheet;
    printUsageLines(printer, threeDrugs());
    const std::vector<std::string> texts = recorder.linesOf("text");
    ASSERT_EQ(texts.size(), 6U);
    EXPECT_NE(texts[0].find("\t" + first), std::string::npos) << texts[0];
    EXPECT_EQ(recorder.linesOf("newpage").size(), 1U);
  }
}

// ---- the paged list ----

class PagedListTest : public LayoutTest {
 protected:
  // Drugs 1..n with days 10, 20, ... so that each page's header shows where its days came from.
  static DrugBagItems drugs(int n) {
    DrugBagItems items;
    for (int i = 1; i <= n; ++i) {
      items.push_back(
          sampleDrug(fromUtf8("藥" + std::to_string(i)), fromUtf8(std::to_string(10 * i))));
    }
    return items;
  }
  std::vector<LoggedPage> print(const DrugBagItems& items) {
    printPagedDrugList(printer, items, head);
    return pages();
  }
  // The days of each page's header and the drug names of its usage lines.
  static std::vector<std::string> headerDays(const std::vector<LoggedPage>& printed) {
    std::vector<std::string> days;
    for (const LoggedPage& page : printed) {
      const auto at = textsAt(page, 7.2, 8.1);
      days.push_back(at.empty() ? "-" : at.front());
    }
    return days;
  }
  static int usageLines(const LoggedPage& page) {
    int n = 0;
    for (const PlacedText& t : page.texts)
      n += near(t.x, 1.6) && t.text.find("總量：") != std::string::npos;
    return n;
  }
};

TEST_F(PagedListTest, TwelveDrugsFivePerPage) {
  const auto printed = print(drugs(12));
  ASSERT_EQ(printed.size(), 3U);
  EXPECT_EQ(headerDays(printed), (std::vector<std::string>{"50", "100", "10"}));
  EXPECT_EQ(usageLines(printed[0]), 5);
  EXPECT_EQ(usageLines(printed[1]), 5);
  EXPECT_EQ(usageLines(printed[2]), 2);
  EXPECT_TRUE(drawsText(printed[1],
                        "1.藥6每日三次(早上、中午以及晚上各一次)  用量：1顆  飯後服用 總量：84  "));
  EXPECT_TRUE(drawsText(
      printed[2], "2.藥12每日三次(早上、中午以及晚上各一次)  用量：1顆  飯後服用 總量：84  "));
  EXPECT_EQ(recorder.lines().back(), "newpage");
}

TEST_F(PagedListTest, PageBoundariesAndDrugsPerPageSetting) {
  struct Case {
    int drugs;
    Text perPage;  // empty: no DrugBag.config
    std::vector<std::string> days;
  };
  const std::vector<Case> cases = {
      {5, u"", {"50"}},
      {6, u"", {"50", "10"}},
      {3, u"0", {"10", "20", "30"}},
      {5, u"-2", {"20", "40", "10"}},
      {0, u"", {}},
  };
  for (const Case& c : cases) {
    folder.remove("DrugBag.config");
    if (!c.perPage.empty()) {
      folder.writeBig5("DrugBag.config",
                       {u"<多藥一袋單頁藥數>" + c.perPage + u"</多藥一袋單頁藥數>"});
    }
    recorder.clear();
    LayoutPrinter fresh(recorder.surface(), run);
    printPagedDrugList(fresh, drugs(c.drugs), head);
    EXPECT_EQ(headerDays(pages()), c.days) << c.drugs << " " << u8(c.perPage);
  }
}

TEST_F(PagedListTest, APageWhoseDaysAreNoNumberStillGetsItsUsageLines) {
  DrugBagItems items = drugs(2);
  items[0]->藥品天份(u"40000");
  const auto printed = print(items);
  ASSERT_EQ(printed.size(), 1U);
  EXPECT_EQ(headerDays(printed), std::vector<std::string>{"-"});
  EXPECT_FALSE(drawsText(printed[0], "王小明"));
  EXPECT_EQ(usageLines(printed[0]), 2);
}

TEST_F(PagedListTest, ReceiptOnceBeforeTheFirstHeader) {
  DrugBagItems items = drugs(7);
  fileReceipt(*items[0]);
  const auto printed = print(items);
  ASSERT_EQ(printed.size(), 2U);
  EXPECT_EQ(printed[0].lines.size(), 9U);
  EXPECT_TRUE(printed[1].lines.empty());
  EXPECT_EQ(printed[0].texts[0].text, "收　　　　據");
  EXPECT_EQ(textsAt(printed[0], 10.5, 3.2),
            (std::vector<std::string>{"仁愛診所 ", "仁愛診所     "}));
  EXPECT_EQ(head->醫療院所(), u"仁愛診所     ");
}

}  // namespace
}  // namespace pillora::testing
