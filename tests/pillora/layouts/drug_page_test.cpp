#include <gtest/gtest.h>

#include "tests/pillora/layouts/sample_records.h"
#include "tests/support/refusing_surface.h"

namespace pillora::testing {
namespace {

class DrugPageTest : public LayoutTest {
 protected:
  std::vector<LoggedPage> print(const DrugBagItems& items, double offX = 0.0, double offY = 0.0) {
    printDrugPage(printer, items, head);
    return pages(offX, offY);
  }
  LoggedPage printOne(const DrugBagItemRef& item) {
    const auto printed = print({item});
    EXPECT_EQ(printed.size(), 1U);
    return printed.empty() ? LoggedPage{} : printed.front();
  }
  // The pieces of a wrapped text as (y in millimetres, length) pairs, and their joined text.
  static std::vector<std::pair<long, size_t>> pieces(const LoggedPage& page, double x,
                                                     const Text& whole, std::string* joined) {
    std::vector<std::pair<long, size_t>> found;
    for (const PlacedText& t : page.texts) {
      const Text text = fromUtf8(t.text);
      if (!near(t.x, x) || text.empty() || whole.find(text) == Text::npos) continue;
      found.emplace_back(std::lround(t.y * 10), text.size());
      *joined += t.text;
    }
    return found;
  }
};

TEST_F(DrugPageTest, DrawsEveryHeaderAndBodyRowOfThePage) {
  const LoggedPage page = printOne(sampleDrug());
  struct Row {
    std::string text;
    double size, x, y;
  };
  const std::vector<Row> rows = {
      {"仁愛診所", 15, 10.5, 3.2},
      {"02-2345-6789", 14, 10.5, 2.0},
      {"安康藥局   用心把關", 24, 0.5, 0.5},
      {"台北市中正區健康路1號", 16, 5.4, 4.3},
      {"林藥師", 18, 5.4, 2.0},
      {"陳醫師", 15, 5.4, 3.2},
      {"2015-11-11", 18, 11.0, 5.6},
      {"2015/10/14", 14, 2.0, 8.1},
      {"3", 16, 3.8, 5.6},
      {"2", 16, 6.8, 5.6},
      {"王小明", 19, 2.0, 6.8},
      {"內科", 15, 10.5, 6.8},
      {"0912-345-678", 15, 2.8, 7.5},
      {"45/男", 16, 7.2, 6.8},
      {"Panadol 500mg", 14, 1.6, 9.6},
      {"普拿疼", 14, 1.6, 10.1},
      {"500mg", 10, 1.0, 17.0},
      {"A-01", 13.7, 15.1, 20.0},
      {"飯後服用", 14, 10.5, 10.1},
      {"每日三次(早上、中午", 14, 10.5, 10.8},
      {"以及晚上各一次)", 14, 10.5, 11.3},
      {"每次用量：1顆", 14, 10.6, 12.0},
      {"共：84", 14, 10.6, 13.2},
      {"GSK", 14, 1.6, 10.8},
      {"28", 15, 7.2, 8.1},
      {"解熱鎮痛", 14, 1.6, 13.2},
      {"白色圓形", 13, 1.6, 12.0},
      {"避免開車", 14, 1.6, 15.6},
      {"噁心", 14, 1.6, 14.3},
      {"1", 14, 10.0, 8.1},
      {"2016/01/14", 14, 14.5, 12.4},
      {"勿與酒併服", 14, 1.6, 16.8},
  };
  for (const Row& row : rows) {
    EXPECT_TRUE(drawnAt(page, row.text, row.size, row.x, row.y)) << row.text;
  }
  EXPECT_FALSE(drawsText(page, "就診"));
  EXPECT_EQ(markColumns(page), (std::vector<int>{0, 1, 2, 5}));
  EXPECT_EQ(recorder.lines().back(), "newpage");
  EXPECT_TRUE(recorder.linesOf("line").empty());  // no receipt file, no box
}

TEST_F(DrugPageTest, EachDrugGetsAPageWithTheSameHeaderAndTheReceiptOnlyOnTheFirst) {
  DrugBagItems items = {sampleDrug(u"甲"), sampleDrug(u"乙"), sampleDrug(u"丙")};
  fileReceipt(*items[0]);
  const auto printed = print(items);
  ASSERT_EQ(printed.size(), 3U);
  EXPECT_EQ(printed[0].lines.size(), 9U);
  EXPECT_TRUE(drawnAt(printed[0], "合　　計：168", 10, 13.5, 3.0));
  EXPECT_TRUE(
      drawnAt(printed[0], "仁愛診所 ", 15, 10.5, 3.2));  // five characters of the padded name
  EXPECT_EQ(head->醫療院所(), u"仁愛診所     ");
  for (size_t i = 1; i < 3; ++i) {
    EXPECT_TRUE(printed[i].lines.empty());
    EXPECT_TRUE(drawnAt(printed[i], "仁愛診所     ", 15, 10.5, 3.2));
  }
  for (const LoggedPage& page : printed) {
    EXPECT_TRUE(drawnAt(page, "王小明", 19, 2.0, 6.8));
    EXPECT_TRUE(drawnAt(page, "林藥師", 18, 5.4, 2.0));
  }
  EXPECT_TRUE(drawsText(printed[2], "丙"));
}

TEST_F(DrugPageTest, PrePrintedNameAndAddressAreNotPrinted) {
  folder.touch("PrePrintNameAddress.config");
  const LoggedPage page = printOne(sampleDrug());
  for (const char* text : {"02-2345-6789", "安康藥局   用心把關", "台北市中正區健康路1號"}) {
    EXPECT_FALSE(drawsText(page, text)) << text;
  }
  EXPECT_TRUE(drawnAt(page, "林藥師", 18, 5.4, 2.0));
}

TEST_F(DrugPageTest, BlankBodyPrintsCaptionsAndSmallNamesDoctorOnTopUnlessPharmacyUp) {
  folder.touch("BlankBody.config");
  LoggedPage page = printOne(sampleDrug());
  EXPECT_TRUE(drawnAt(page, "陳醫師", 12, 5.4, 2.0));
  EXPECT_TRUE(drawnAt(page, "林藥師", 12, 5.4, 3.2));
  const std::vector<std::pair<std::string, double>> captions = {
      {"藥　品:", 9.6},  {"外　觀:", 12.0}, {"適應症:", 13.2},
      {"副作用:", 14.6}, {"指　示:", 15.6}, {"警　語:", 16.9}};
  for (const auto& [caption, y] : captions) {
    EXPECT_TRUE(drawnAt(page, caption, 14, -0.3, y)) << caption;
  }

  folder.touch("isPharmacyUp.config");
  recorder.clear();
  page = printOne(sampleDrug());
  EXPECT_TRUE(drawnAt(page, "林藥師", 12, 5.4, 2.0));
  EXPECT_TRUE(drawnAt(page, "陳醫師", 12, 5.4, 3.2));
}

TEST_F(DrugPageTest, UsageSentenceAtThePositionOf220603Config) {
  folder.writeBig5("220603.config", {u"4.5,11.25"});
  const LoggedPage page = printOne(sampleDrug());
  // The dose's label comes once, not as "每次用量：每次用量：1顆".
  EXPECT_TRUE(drawnAt(page, "飯後服用，每日三次(早上、中午以及晚上各一次)。每次用量：1顆", 14,
                      4.5, 11.25));
  EXPECT_FALSE(drawsText(page, "共：84"));
  EXPECT_TRUE(textsAt(page, 10.6, 12.0).empty());
  EXPECT_TRUE(textsAt(page, 101.0, 20.0).empty());  // nothing off the form
}

// A first line without a position prints the usage rows as without the file, and says so.
TEST_F(DrugPageTest, Malformed220603ConfigPrintsTheUsageRowsWithAWarning) {
  for (const Text& line : {Text(u"4.5"), Text(u"x,1"), Text()}) {
    folder.writeBig5("220603.config", {line});
    recorder.clear();
    ::testing::internal::CaptureStderr();
    const LoggedPage page = printOne(sampleDrug());
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "pillora: 220603.config has no position \"x,y\" on its first line (\"" + u8(line) +
                  "\"); the usage is printed as without the file\n");
    EXPECT_TRUE(drawnAt(page, "飯後服用", 14, 10.5, 10.1)) << u8(line);
    EXPECT_TRUE(drawnAt(page, "共：84", 14, 10.6, 13.2)) << u8(line);
    EXPECT_TRUE(drawnAt(page, "勿與酒併服", 14, 1.6, 16.8)) << u8(line);
  }
}

// Memo fields hold CR LF; a lone CR or LF counts the same: a line break where the field is
// wrapped over lines, a blank where it is drawn on one line, and never a drawn control
// character.
TEST_F(DrugPageTest, LineBreaksOfMemoFieldsBreakWrappedLinesAndAreBlanksOnOneLine) {
  DrugBagItemRef item = sampleDrug();
  item->其他用藥指示(u"睡前服用\r\n多喝水\r\n");
  item->可能副作用(u"頭暈\r嗜睡");
  item->警語(u"勿與酒併服\n勿開車");
  item->適應症(u"止痛\r\n退燒\r\n消炎");
  item->藥品廠牌(u"Pana\r\ndol");
  const LoggedPage page = printOne(item);
  struct Row {
    std::string text;
    double y;
  };
  const std::vector<Row> rows{{"睡前服用", 15.6}, {"多喝水", 16.1},     {"頭暈", 14.6},
                              {"嗜睡", 15.1},     {"勿與酒併服", 16.9}, {"勿開車", 17.4},
                              {"止痛", 13.2},     {"退燒 消炎", 13.7}};
  for (const Row& row : rows) {
    EXPECT_TRUE(drawnAt(page, row.text, 14, 1.6, row.y)) << row.text;
  }
  EXPECT_TRUE(drawnAt(page, "Pana dol", 14, 1.6, 10.8));
  for (const PlacedText& t : page.texts) {
    EXPECT_EQ(t.text.find_first_of("\r\n"), std::string::npos) << t.text;
    EXPECT_EQ(t.text.find("\\r"), std::string::npos) << t.text;
    EXPECT_EQ(t.text.find("\\n"), std::string::npos) << t.text;
  }
}

TEST_F(DrugPageTest, FlagFilesOfTheRecordShapeNameAndDate) {
  folder.touch("180208.config");
  folder.touch("220306.config");
  const LoggedPage page = printOne(sampleDrug());
  EXPECT_EQ(textsAt(page, 1.6, 12.0), std::vector<std::string>{""});
  EXPECT_TRUE(drawnAt(page, "姓名:王小明", 19, 2.0, 6.8));
  EXPECT_TRUE(drawnAt(page, "調劑日:2015/10/14", 14, 2.0, 8.1));
  EXPECT_TRUE(textsAt(page, 11.0, 5.6).empty());  // the prefixed date is no date
}

TEST_F(DrugPageTest, DrugNameLineFromTheCode) {
  struct Case {
    Text code;
    bool flag;
    std::string line;
  };
  const std::vector<Case> cases = {
      {u"A012345100", false, "Panadol"},
      {u"A012345100X", false, "Panadol　A012345100"},
      {u"A012345100普拿疼", true, "普拿疼　A012345100"},
      // over 20 characters: the last ten are not part of the name
      {u"A012345100普拿疼錠0123456789", true, "普拿疼錠　A012345100"},
      {u"A012345100" + chars(50), true, u8(chars(35)) + "　A012345100"},
  };
  for (const Case& c : cases) {
    if (c.flag) folder.touch("151014.config");
    const DrugBagItemRef item = sampleDrug(u"Panadol");
    item->藥品代碼(c.code);
    recorder.clear();
    const LoggedPage page = printOne(item);
    EXPECT_EQ(textsAt(page, 1.6, 9.6), std::vector<std::string>{c.line}) << u8(c.code);
    folder.remove("151014.config");
  }
}

TEST_F(DrugPageTest, NextDateAndSeeTheDoctorOnlyForChronicRxWithFurtherFills) {
  struct Case {
    Text allowed, current;
    bool date, doctor;
  };
  const std::vector<Case> cases = {
      {u"3", u"3", true, true}, {u"3", u"2", true, false},  {u"1", u"1", false, false},
      {u"", u"", false, false}, {u"x", u"x", false, false}, {u"2.5", u"2.5", true, true},
  };
  for (const Case& c : cases) {
    head->慢箋可調次數(c.allowed);
    head->慢箋本次次數(c.current);
    recorder.clear();
    const LoggedPage page = printOne(sampleDrug());
    EXPECT_EQ(drawnAt(page, "2015-11-11", 18, 11.0, 5.6), c.date) << u8(c.allowed);
    EXPECT_EQ(drawnAt(page, "就診", 18, 15.2, 5.6), c.doctor) << u8(c.allowed);
  }
}

TEST_F(DrugPageTest, NextDateOnlyWhenThisPageCanComputeIt) {
  head->慢箋本次次數(u"3");
  const auto printed = print({sampleDrug(u"甲", u"abc"), sampleDrug(u"乙", u"7"),
                              sampleDrug(u"丙", u""), sampleDrug(u"丁", u"30.9")});
  ASSERT_EQ(printed.size(), 4U);
  EXPECT_TRUE(textsAt(printed[0], 11.0, 5.6).empty());
  EXPECT_EQ(textsAt(printed[1], 11.0, 5.6), std::vector<std::string>{"2015-10-21"});
  EXPECT_TRUE(textsAt(printed[2], 11.0, 5.6).empty());  // not the previous page's date
  EXPECT_EQ(textsAt(printed[3], 11.0, 5.6), std::vector<std::string>{"2015-11-13"});
  for (const LoggedPage& page : printed) EXPECT_TRUE(drawsText(page, "就診"));

  head->調劑日期(u"not a date");
  recorder.clear();
  EXPECT_TRUE(textsAt(print({sampleDrug()}).front(), 11.0, 5.6).empty());
}

TEST_F(DrugPageTest, TimeMarksFollowFrequencyAndRouteWords) {
  struct Case {
    Text frequency, route;
    std::vector<int> marks;
  };
  const std::vector<Case> cases = {
      {u"早上晚上", u"飯後", {0, 2, 5}},
      {u"每日四次(早上、中午、晚上以及睡前各一次)", u"飯前服用", {0, 1, 2, 3, 4}},
      {u"每日兩次(早晚各一次)", u"口服", {}},
  };
  for (const Case& c : cases) {
    const DrugBagItemRef item = sampleDrug();
    item->藥品頻率(c.frequency);
    item->藥品用法(c.route);
    recorder.clear();
    EXPECT_EQ(markColumns(printOne(item)), c.marks) << u8(c.frequency);
  }
}

TEST_F(DrugPageTest, AMarkThePrinterRefusesLosesThatMarkOnly) {
  bool refusedOnce = false;
  RefusingSurface refusing(recorder.surface(), [&refusedOnce](const Text& text) {
    if (text != u"V" || refusedOnce) return false;
    refusedOnce = true;
    return true;
  });
  LayoutPrinter failing(refusing, run);
  const DrugBagItemRef item = sampleDrug();
  item->藥品頻率(u"早上晚上");
  item->藥品用法(u"飯後");
  printDrugPage(failing, {item}, head);
  const auto printed = pages();
  ASSERT_EQ(printed.size(), 1U);
  EXPECT_EQ(markColumns(printed.front()), (std::vector<int>{2, 5}));
  for (const PlacedText& text : printed.front().texts) {
    EXPECT_EQ(text.bold, text.text == "V") << text.text;  // the refused mark left no bold on
  }
}

TEST_F(DrugPageTest, LongTextsWrapAtTheirBoundaries) {
  struct Case {
    Field field;
    int length;
    std::vector<std::pair<long, size_t>> lines;  // (y in millimetres, characters)
  };
  const std::vector<Case> cases = {
      {Field::其他用藥指示, 26, {{156, 26}}},
      {Field::其他用藥指示, 27, {{156, 26}, {161, 1}}},
      {Field::其他用藥指示, 52, {{156, 26}, {161, 26}}},
      {Field::其他用藥指示, 53, {{156, 26}, {160, 26}, {166, 1}}},
      {Field::可能副作用, 28, {{143, 28}}},
      {Field::可能副作用, 29, {{146, 28}, {151, 1}}},
      {Field::可能副作用, 56, {{146, 28}, {151, 28}}},
      {Field::可能副作用, 57, {{143, 28}, {148, 28}, {153, 1}}},
      {Field::適應症, 14, {{132, 14}}},
      {Field::適應症, 15, {{132, 13}, {137, 2}}},
      {Field::警語, 34, {{168, 34}}},
      {Field::警語, 35, {{169, 34}, {174, 1}}},
      {Field::警語, 80, {{169, 34}, {174, 46}}},
  };
  for (const Case& c : cases) {
    const DrugBagItemRef item = sampleDrug();
    for (const Field f : {Field::其他用藥指示, Field::可能副作用, Field::適應症, Field::警語}) {
      item->set(f, Text());
    }
    item->set(c.field, chars(c.length));
    recorder.clear();
    std::string joined;
    const LoggedPage page = printOne(item);
    EXPECT_EQ(pieces(page, 1.6, chars(c.length), &joined), c.lines) << c.length;
    EXPECT_EQ(joined, u8(chars(c.length)));
  }
}

TEST_F(DrugPageTest, CutsAndTheShortenedChineseNameKeptInTheRecord) {
  const DrugBagItemRef item = sampleDrug();
  item->中文藥名(chars(20));
  item->藥品廠牌(chars(25));
  item->藥品形狀(chars(14));
  item->藥品頻率(chars(10));
  const LoggedPage page = printOne(item);
  EXPECT_EQ(textsAt(page, 1.6, 10.1), std::vector<std::string>{u8(chars(18))});
  EXPECT_EQ(item->中文藥名(), chars(18));
  EXPECT_EQ(textsAt(page, 1.6, 10.8), std::vector<std::string>{u8(chars(24))});
  EXPECT_EQ(item->藥品廠牌(), chars(25));
  EXPECT_EQ(textsAt(page, 1.6, 12.0), std::vector<std::string>{u8(chars(13))});
  EXPECT_EQ(textsAt(page, 10.5, 10.8), std::vector<std::string>{u8(chars(10))});
  EXPECT_TRUE(textsAt(page, 10.5, 11.3).empty());
}

TEST_F(DrugPageTest, LayoutConfigOffsetsAndDrugBagConfigFont) {
  folder.writeBig5("layout.config", {u"1,-0.5", u"false"});
  folder.writeBig5("DrugBag.config", {u"<字型名稱>微軟正黑體</字型名稱>"});
  const auto printed = print({sampleDrug()}, 1.0, -0.5);
  ASSERT_EQ(printed.size(), 1U);
  EXPECT_TRUE(drawnAt(printed[0], "王小明", 19, 2.0, 6.8));
  EXPECT_EQ(markColumns(printed[0]), (std::vector<int>{0, 1, 2, 5}));
  for (const PlacedText& t : printed[0].texts) {
    if (!t.bold) {
      EXPECT_EQ(t.font, "微軟正黑體") << t.text;
    }
  }
  // with the offsets undone the default reading would be off by the offsets
  EXPECT_FALSE(drawnAt(pages().front(), "王小明", 19, 2.0, 6.8));
}

TEST_F(DrugPageTest, PagedSwitchHandsTheJobToThePagedList) {
  folder.writeBig5("layout.config", {u"", u"true"});
  const auto printed = print({sampleDrug(), sampleDrug()}, -1.8, 0.0);
  ASSERT_EQ(printed.size(), 1U);
  EXPECT_TRUE(drawnAt(printed[0], "王小明", 18, 2.0, 6.8));  // the paged list's header block
  EXPECT_TRUE(drawsText(printed[0],
                        "2.Panadol 500mg每日三次(早上、中午以及晚上各一次)  用量：1顆  "
                        "飯後服用 總量：84  "));
}

TEST_F(DrugPageTest, NoDrugsNoPages) {
  printDrugPage(printer, {}, head);
  EXPECT_TRUE(recorder.linesOf("text").empty());
  EXPECT_TRUE(recorder.linesOf("newpage").empty());
}

}  // namespace
}  // namespace pillora::testing
