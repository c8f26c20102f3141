#include "pillora/label/label_composer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/text/codepage.h"
#include "common/text/errors.h"
#include "common/text/textfile.h"
#include "tests/support/recording_label_printer.h"
#include "tests/support/temp_folder.h"

namespace pillora::testing {
namespace {

DrugBagItemRef header() {
  DrugBagItemRef head = newDrugBagItem();
  head->病患姓名(u"王小明");
  head->病患年齡(u"45/男");
  head->就醫科別(u"內科");
  head->調劑日期(u"2007/05/06");
  head->藥師姓名(u"林藥師");
  head->處方醫師姓名(u"陳醫師");
  head->醫療院所(u"仁愛診所");
  head->藥局地址(u"台北市中正區健康路1號");
  head->藥局電話(u"02-2345-6789");
  return head;
}

DrugBagItemRef drug(const Text& name, const Text& frequency = u"每日三次(早上、中午以及晚上各一次)",
                    const Text& shape = u"白/圓", const Text& indication = u"退燒") {
  DrugBagItemRef item = newDrugBagItem();
  item->藥品名稱(name);
  item->藥品頻率(frequency);
  item->藥品形狀(shape);
  item->適應症(indication);
  item->可能副作用(u"無");
  item->藥品天份(u"28");
  return item;
}

std::vector<DrugBagItemRef> drugs(int count) {
  std::vector<DrugBagItemRef> items;
  for (int i = 1; i <= count; ++i) {
    items.push_back(drug(u"藥" + fromUtf8(std::to_string(i))));
  }
  return items;
}

Text drugLine(const Text& name) {
  return u"●" + name + u"　●每日三次　●白　圓無外●早中晚　●退燒適應●無　";
}

TEST(LabelComposerTest, HeaderLinesAndTheWorkedDrugLine) {
  const std::vector<Text> lines = composeDrugLabels({drug(u"阿斯匹靈")}, *header());
  const std::vector<Text> expected{
      u"姓名:王小明　年齡/性別:45/男/　科別:內科　調劑日：960506藥師:林藥師",
      u"醫師姓名:陳醫師　就醫科別:內科　醫療院所:仁愛診所",
      u"藥局地址:台北市中正區健康路1號　專線:02-2345-6789",
      u"給藥天份:28　　 共分為　　包裝，這是第　　包裝",
      u"●阿斯匹靈　●每日三次　●白　圓無外●早中晚　●退燒適應●無　"};
  ASSERT_EQ(lines.size(), 16U);
  EXPECT_EQ(std::vector<Text>(lines.begin(), lines.begin() + 5), expected);
  EXPECT_TRUE(std::all_of(lines.begin() + 5, lines.end(), [](const Text& l) { return l.empty(); }));
}

TEST(LabelComposerTest, FieldsOfShortEmptyAndLongValues) {
  struct Case {
    DrugBagItemRef item;
    Text line;
  };
  const std::vector<Case> cases{
      {drug(Text(u"ABCDEFGHIJKLMNOPQRST")), drugLine(u"ABCDEFGHIJKLMNO")},  // name cut to 15
      {drug(u"A", u"每日一次", u"", u""), u"●A　●每日一次　●無外型圖●　　　　●適應症狀●無　"},
      {drug(u"A", u"睡前服用一次"), u"●A　●服用一次　●白　圓無外●　　　睡●退燒適應●無　"},
  };
  for (const auto& [item, line] : cases) {
    EXPECT_EQ(composeDrugLabels({item}, *header())[4], line);
  }
}

TEST(LabelComposerTest, TwelveDrugsAtMostAndOnlyTheShownOnesChange) {
  const std::vector<DrugBagItemRef> items = drugs(14);
  const std::vector<Text> lines = composeDrugLabels(items, *header());
  EXPECT_EQ(lines[15], drugLine(u"藥12"));
  EXPECT_EQ(items[11]->藥品形狀(), u"白/圓無外型圖");
  EXPECT_EQ(items[11]->適應症(), u"退燒適應症狀");
  EXPECT_EQ(items[12]->藥品形狀(), u"白/圓");
  EXPECT_EQ(items[13]->適應症(), u"退燒");
  // composing again appends once more; the shown fields stay as they were
  EXPECT_EQ(composeDrugLabels(items, *header()), lines);
  EXPECT_EQ(items[0]->藥品形狀(), u"白/圓無外型圖無外型圖");
}

TEST(LabelComposerTest, ADateWithoutAYearOrAJobWithoutDrugsStopsBeforeAnyChange) {
  DrugBagItemRef head = header();
  const std::vector<DrugBagItemRef> items = drugs(1);
  for (const TextView date : {u"", u"調劑日:2007/05/06", u"ab07/05/06"}) {
    head->調劑日期(Text(date));
    EXPECT_THROW(composeDrugLabels(items, *head), ConversionError) << toUtf8(date);
  }
  EXPECT_EQ(items[0]->藥品形狀(), u"白/圓");
  EXPECT_THROW(composeDrugLabels({}, *header()), SubscriptError);
}

class PrintDrugLabelsTest : public ::testing::Test {
 protected:
  // The calls of one label: openport to closeport.
  std::vector<std::vector<std::string>> printedLabels() const {
    std::vector<std::vector<std::string>> found;
    for (const std::string& call : labels.lines()) {
      if (call.rfind("openport", 0) == 0) found.emplace_back();
      found.back().push_back(call);
    }
    return found;
  }
  std::string textFile() const { return readFileBytes(folder.file("test.cp.txt")); }

  TempProgramFolder folder;
  ScopedEnvironment temporary{"TMPDIR", folder.path()};
  ScopedEnvironment temporaryOnWindows{"TMP", folder.path()};
  RecordingLabelPrinter labels;
  std::ostringstream notices;
};

TEST_F(PrintDrugLabelsTest, SixDrugsOneLabelSevenDrugsTwo) {
  printDrugLabels(drugs(6), header(), labels.port(), &notices);
  ASSERT_EQ(printedLabels().size(), 1U);
  EXPECT_EQ(printedLabels()[0][12],
            "windowsfont\t344\t1210\t32\t90\t0\t0\t標楷體\t" + toUtf8(drugLine(u"藥6")));
  printDrugLabels(drugs(7), header(), labels.port(), &notices);
  const auto printed = printedLabels();
  ASSERT_EQ(printed.size(), 3U);
  EXPECT_EQ(printed[2],
            (std::vector<std::string>{
                "openport\tTSC TTP-245 Plus", "setup\t60\t150\t3\t5\t0\t3\t0", "clearbuffer",
                "windowsfont\t20\t1210\t32\t90\t0\t0\t標楷體\t" + toUtf8(drugLine(u"藥7")),
                "printlabel\t1\t1", "closeport"}));
}

TEST_F(PrintDrugLabelsTest, TheTextFileHoldsTheUncutLinesInBig5WithATrailingEmptyLine) {
  DrugBagItemRef head = header();
  head->藥局地址(Text(60, u'路'));
  printDrugLabels(drugs(2), head, labels.port(), &notices);
  std::string expected;
  for (const Text& line : composeDrugLabels(drugs(2), *head)) {
    expected += encodeCp950(line) + "\r\n";
  }
  EXPECT_EQ(textFile(), expected + "\r\n");
  EXPECT_NE(textFile().find(encodeCp950(Text(60, u'路'))), std::string::npos);
  // an earlier file is replaced
  printDrugLabels(drugs(1), head, labels.port(), &notices);
  const std::string replaced = textFile();
  EXPECT_EQ(std::count(replaced.begin(), replaced.end(), '\n'), 17);
}

TEST_F(PrintDrugLabelsTest, NothingIsPrintedOrWrittenWhenComposingFails) {
  DrugBagItemRef head = header();
  head->調劑日期(u"no date");
  EXPECT_THROW(printDrugLabels(drugs(3), head, labels.port(), &notices), ConversionError);
  EXPECT_TRUE(labels.lines().empty());
  EXPECT_FALSE(std::filesystem::exists(folder.file("test.cp.txt")));
}

#ifndef _WIN32
// The temporary folder is shared: a link planted under the file's name is replaced, and the
// file it points to keeps its bytes; the new file is readable by its owner alone.
TEST_F(PrintDrugLabelsTest, ALinkNamedLikeTheTextFileIsReplacedNotFollowed) {
  const std::string victim = folder.file("victim.txt");
  std::ofstream(victim) << "not yours";
  std::filesystem::create_symlink(victim, folder.file("test.cp.txt"));
  printDrugLabels(drugs(2), header(), labels.port(), &notices);
  EXPECT_EQ(readFileBytes(victim), "not yours");
  EXPECT_FALSE(std::filesystem::is_symlink(folder.file("test.cp.txt")));
  EXPECT_NE(textFile().find(encodeCp950(u"王小明")), std::string::npos);
  EXPECT_EQ(std::filesystem::status(folder.file("test.cp.txt")).permissions(),
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  EXPECT_EQ(notices.str(), "");
}
#endif

// The labels are out when the file is written: a file that cannot be written is a notice
// with its reason, not a failure that would make the host print the labels again.
TEST_F(PrintDrugLabelsTest, ATextFileThatCannotBeWrittenIsANoticeAfterTheLabels) {
  std::filesystem::create_directory(folder.file("test.cp.txt"));
  EXPECT_NO_THROW(printDrugLabels(drugs(2), header(), labels.port(), &notices));
  EXPECT_EQ(printedLabels().size(), 1U);
  EXPECT_NE(notices.str().find("the labels printed, but cannot write "), std::string::npos)
      << notices.str();
  EXPECT_NE(notices.str().find("test.cp.txt: "), std::string::npos) << notices.str();
}

// Without the printer's name no label prints and the job fails, but the text is written.
TEST_F(PrintDrugLabelsTest, TheTextFileIsWrittenWhenTheLabelPrinterFails) {
  folder.writeBig5("dbp.config", {u"TSC TTP-245 Plus"});
  EXPECT_THROW(printDrugLabels(drugs(2), header(), labels.port(), &notices), AppError);
  EXPECT_NE(textFile().find(encodeCp950(u"王小明")), std::string::npos);
}

}  // namespace
}  // namespace pillora::testing
