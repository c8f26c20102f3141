#include "pillora/startup/ndrg_job_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "common/text/errors.h"
#include "common/text/textfile.h"
#include "pillora/profiletool/profile_csv.h"
#include "pillora/profiletool/profile_database.h"
#include "tests/pillora/layouts/page_log.h"
#include "tests/support/recording_label_printer.h"
#include "tests/support/temp_folder.h"

namespace pillora::testing {
namespace {

std::vector<Text> headerLines() {
  return {u"安康藥局",
          u"用心把關",
          u"02-2345-6789",
          u"台北市中正區健康路1號",
          u"林藥師@陳醫師",
          u"2007/05/06",
          u"仁愛診所",
          u"3",
          u"2",
          u"王小明",
          u"男／45",
          u"內科",
          u"0912-345-678"};
}

// One drug block: separator line, then bags, code, frequency, days, total, name, brand,
// route, dose, storage place.
std::vector<Text> block(const Text& name, const Text& frequency = u"TID",
                        const Text& brand = u"GSK?") {
  return {u"----", u"1",  u"A012345100", frequency, u"28",  u"84",
          name,    brand, u"PO",         u"1顆",    u"B-02"};
}

class NdrgReaderTest : public ::testing::Test {
 protected:
  void write(const std::string& name, const std::vector<std::vector<Text>>& parts) {
    std::vector<Text> lines;
    for (const auto& part : parts) lines.insert(lines.end(), part.begin(), part.end());
    folder.writeBig5(name, lines);
  }
  std::vector<LoggedPage> read(const std::string& name = "job.ndrg", double offX = 0.0) {
    readNdrgJob(fromUtf8(folder.file(name)), run, recorder.surface(), labels.port());
    return loggedPages(recorder, offX);
  }

  TempProgramFolder folder;
  RecordingPrinter recorder;
  RecordingLabelPrinter labels;
  RunState run;
};

TEST_F(NdrgReaderTest, HeaderSplitsDerivedValuesAndOnePagePerDrug) {
  write("job.ndrg",
        {headerLines(), block(u"Panadol"), block(u"Aspirin", u"QD"), {u"//End DrugBagInfo"}});
  const auto printed = read();
  ASSERT_EQ(printed.size(), 2U);
  const LoggedPage& page = printed[0];
  EXPECT_TRUE(drawnAt(page, "林藥師", 18, 5.4, 2.0));
  EXPECT_TRUE(drawnAt(page, "陳醫師", 15, 5.4, 3.2));
  EXPECT_TRUE(drawnAt(page, "45/男", 16, 7.2, 6.8));
  EXPECT_TRUE(drawnAt(page, "安康藥局   用心把關", 24, 0.5, 0.5));
  EXPECT_TRUE(drawnAt(page, "0912-345-678", 15, 2.8, 7.5));
  EXPECT_TRUE(drawnAt(page, "2007/08/06", 14, 14.5, 12.4));
  EXPECT_TRUE(drawnAt(page, "GSK", 14, 1.6, 10.8));
  EXPECT_TRUE(drawnAt(page, "口服", 14, 10.5, 10.1));
  EXPECT_TRUE(drawnAt(page, "每次用量：1顆", 14, 10.6, 12.0));
  EXPECT_TRUE(drawnAt(page, "每日三次(早上、中午", 14, 10.5, 10.8));
  EXPECT_TRUE(drawnAt(page, "2007-06-03", 18, 11.0, 5.6));
  EXPECT_TRUE(drawnAt(printed[1], "每天一次", 14, 10.5, 10.8));
  EXPECT_TRUE(drawnAt(printed[1], "2007/08/06", 14, 14.5, 12.4));
  EXPECT_TRUE(drawsText(printed[1], "Aspirin"));
  EXPECT_TRUE(recorder.linesOf("line").empty());  // no receipt file
  EXPECT_EQ(recorder.lines().back(), "enddoc");
}

TEST_F(NdrgReaderTest, HeaderLinesWithoutTheirSeparators) {
  std::vector<Text> header = headerLines();
  header[4] = u"林藥師";
  header[10] = u"男45";
  write("job.ndrg", {header, block(u"Panadol")});
  const LoggedPage page = read().at(0);
  EXPECT_EQ(textsAt(page, 5.4, 3.2), std::vector<std::string>{""});
  EXPECT_EQ(textsAt(page, 7.2, 6.8), std::vector<std::string>{""});
}

TEST_F(NdrgReaderTest, EndLineStopsTheListAndAMissingOneReadsEveryBlock) {
  write("end.ndrg",
        {headerLines(), block(u"Panadol"), {u"xx//End DrugBagInfo yy"}, block(u"Ignored")});
  EXPECT_EQ(read("end.ndrg").size(), 1U);
  recorder.clear();
  write("open.ndrg", {headerLines(), block(u"A"), block(u"B"), block(u"C")});
  const auto printed = read("open.ndrg");
  ASSERT_EQ(printed.size(), 3U);
  EXPECT_TRUE(drawsText(printed[2], "C"));
}

TEST_F(NdrgReaderTest, AFileEndingInsideABlockKeepsWhatItHas) {
  std::vector<Text> partial = block(u"Panadol");
  partial.resize(7);  // up to the name
  write("job.ndrg", {headerLines(), partial});
  const auto printed = read();
  ASSERT_EQ(printed.size(), 1U);
  EXPECT_TRUE(drawsText(printed[0], "Panadol"));
  EXPECT_TRUE(drawnAt(printed[0], "每次用量：", 14, 10.6, 12.0));
}

TEST_F(NdrgReaderTest, UseByDateIsThreeMonthsLaterClampedOrEmpty) {
  const std::vector<std::pair<Text, std::string>> cases = {
      {u"2023/11/30", "2024/02/29"},
      {u"2015-10-14", "2016/01/14"},
      {u"2007/13/06", ""},
      {u"", ""},
  };
  for (const auto& [dispensed, useBy] : cases) {
    std::vector<Text> header = headerLines();
    header[5] = dispensed;
    write("job.ndrg", {header, block(u"Panadol")});
    recorder.clear();
    EXPECT_EQ(textsAt(read().at(0), 14.5, 12.4), std::vector<std::string>{useBy})
        << toUtf8(dispensed);
  }
}

TEST_F(NdrgReaderTest, ReceiptFileBesideTheJob) {
  const std::string dir = "jobs";
  std::filesystem::create_directory(folder.file(dir));
  write(dir + "/job.ndrg", {headerLines(), block(u"A"), block(u"B")});
  folder.writeBig5(dir + "/job.dprf", {u"120", u"48", u"50", u"118", u"ignored"});
  const auto printed = read(dir + "/job.ndrg");
  ASSERT_EQ(printed.size(), 2U);
  EXPECT_EQ(printed[0].lines.size(), 9U);
  EXPECT_TRUE(drawsText(printed[0], "合　　計：168"));
  EXPECT_TRUE(drawsText(printed[0], "健保申報：118"));
  EXPECT_TRUE(printed[1].lines.empty());

  // a folder named with ".ndrg" is renamed as well: no receipt is found there
  std::filesystem::create_directory(folder.file("y.ndrg"));
  write("y.ndrg/job.ndrg", {headerLines(), block(u"A")});
  folder.writeBig5("y.ndrg/job.dprf", {u"1", u"2", u"3", u"4"});
  recorder.clear();
  EXPECT_TRUE(read("y.ndrg/job.ndrg").at(0).lines.empty());
  std::filesystem::create_directory(folder.file("y.dprf"));
  folder.writeBig5("y.dprf/job.dprf", {u"1", u"2", u"3", u"4"});
  recorder.clear();
  EXPECT_TRUE(drawsText(read("y.ndrg/job.ndrg").at(0), "合　　計：3"));
}

TEST_F(NdrgReaderTest, BlankFormClearsThePatientButKeepsTheUseByDate) {
  std::vector<Text> header = headerLines();
  header[9] = u"  空白單 ";
  write("job.ndrg", {header, block(u"A"), block(u"B")});
  folder.writeBig5("layout.config", {u"0,0", u"TRUE"});  // the paged list shows the bag count
  const LoggedPage page = read().at(0);
  EXPECT_EQ(textsAt(page, 2.0, 6.8), std::vector<std::string>{""});
  EXPECT_EQ(textsAt(page, 7.2, 6.8), std::vector<std::string>{""});
  EXPECT_EQ(textsAt(page, 2.0, 8.1), std::vector<std::string>{""});
  EXPECT_EQ(textsAt(page, 10.0, 8.1), std::vector<std::string>{"1"});  // the header's copy
  EXPECT_EQ(textsAt(page, 15.1, 20.0), std::vector<std::string>{"B-02"});
  EXPECT_FALSE(drawsText(page, "2007-06-03"));
}

TEST_F(NdrgReaderTest, BlankFormOnThePagesAndNotWith220306) {
  std::vector<Text> header = headerLines();
  header[9] = u"空白單";
  write("job.ndrg", {header, block(u"A")});
  LoggedPage page = read().at(0);
  EXPECT_EQ(textsAt(page, 2.0, 6.8), std::vector<std::string>{""});
  EXPECT_EQ(textsAt(page, 10.0, 8.1), std::vector<std::string>{""});  // first drug's bags
  EXPECT_EQ(textsAt(page, 14.5, 12.4), std::vector<std::string>{"2007/08/06"});

  folder.touch("220306.config");
  recorder.clear();
  page = read().at(0);
  EXPECT_EQ(textsAt(page, 2.0, 6.8), std::vector<std::string>{"姓名:空白單"});
  EXPECT_EQ(textsAt(page, 10.0, 8.1), std::vector<std::string>{"1"});
  EXPECT_EQ(textsAt(page, 14.5, 12.4), std::vector<std::string>{""});  // prefixed date
}

TEST_F(NdrgReaderTest, HeaderTimeMarksComeFromTheFirstDrug) {
  write("job.ndrg", {headerLines(), block(u"A", u"BID"), block(u"B", u"QID")});
  folder.writeBig5("layout.config", {u"0,0", u"true"});
  folder.touch("151014.config");
  const auto printed = read();
  ASSERT_EQ(printed.size(), 1U);
  EXPECT_EQ(markColumns(printed[0]), (std::vector<int>{0, 2}));
}

TEST_F(NdrgReaderTest, LabelOptionPrintsTheCompletedJobAsLabelsAndNoBag) {
  write("job.ndrg", {headerLines(), block(u"A")});
  const ScopedEnvironment temporary("TMPDIR", folder.path());
  run.printOption = u"CP";
  EXPECT_TRUE(read().empty());
  EXPECT_TRUE(recorder.lines().empty());
  ASSERT_FALSE(labels.lines().empty());
  EXPECT_EQ(labels.lines().front(), "openport\tTSC TTP-245 Plus");
  // The frequency reaches the composer expanded to its sentence, without the time words.
  EXPECT_EQ(std::count(labels.lines().begin(), labels.lines().end(),
                       "windowsfont\t164\t1210\t32\t90\t0\t0\t標楷體\t"
                       "●A　●每日三次　●無外型圖●早中晚　●適應症狀●　"),
            1);
  EXPECT_TRUE(std::filesystem::exists(folder.file("test.cp.txt")));
  run.printOption = u"CP ";
  EXPECT_EQ(read().size(), 1U);
}

TEST_F(NdrgReaderTest, MissingFileAndAJobWithoutDrugsFailAndPrintNothing) {
  EXPECT_THROW(read("missing.ndrg"), FileError);
  write("empty.ndrg", {headerLines(), {u"//End DrugBagInfo"}});
  EXPECT_THROW(read("empty.ndrg"), FileError);
  write("short.ndrg", {{u"安康藥局", u"用心把關"}});
  EXPECT_THROW(read("short.ndrg"), FileError);
  EXPECT_TRUE(recorder.lines().empty());
}

TEST_F(NdrgReaderTest, DrugsAreCompletedFromTheProfileDatabase) {
  buildProfileDatabase(
      readProfileCsv("藥品代碼,藥品名稱,中文品名,藥品外觀,適應症,其他用藥指示,副作用,藥品警語\r\n"
                     "A012345100,ACETAMINOPHEN 500MG,退熱錠,白色錠,止痛,飯後服用。多喝水。,"
                     "頭暈、嗜睡、口乾,\"勿與酒併服\r\n肝病慎用\"\r\n")
          .rows,
      folder.file("dbDrugProfile.mdb"));
  write("job.ndrg", {headerLines(), block(u"Panadol"), block(u"Other", u"TID", u"NSAID gel")});
  run.printOption = u"2";
  const auto printed = read();
  ASSERT_EQ(printed.size(), 2U);
  EXPECT_TRUE(drawnAt(printed[0], "ACETAMINOPHEN 500MG", 14, 1.6, 9.6));
  EXPECT_TRUE(drawnAt(printed[0], "退熱錠", 14, 1.6, 10.1));
  EXPECT_TRUE(drawnAt(printed[0], "頭暈、嗜睡", 14, 1.6, 14.3));
  EXPECT_TRUE(drawnAt(printed[0], "飯後服用", 14, 1.6, 15.6));
  // The memo's CR LF (the reader removes the LF) breaks the warning's line.
  EXPECT_TRUE(drawnAt(printed[0], "勿與酒併服", 14, 1.6, 16.9));
  EXPECT_TRUE(drawnAt(printed[0], "肝病慎用", 14, 1.6, 17.4));
  // the second block has the same code and a brand that names a fixed warning
  EXPECT_TRUE(
      drawsText(printed[1], "可能發生罕見但嚴重的皮膚不良/過敏反應，如用藥後發生喉痛、口腔/黏膜"));
}

TEST_F(NdrgReaderTest, TheSampleJobWithTheSampleProfiles) {
  buildProfileDatabase(readProfileCsv(readFileBytes(PILLORA_SAMPLES_DIR "/profile.csv")).rows,
                       folder.file("dbDrugProfile.mdb"));
  readNdrgJob(fromUtf8(PILLORA_SAMPLES_DIR "/sample.ndrg"), run, recorder.surface(), labels.port());
  const auto printed = loggedPages(recorder);
  ASSERT_EQ(printed.size(), 5U);
  EXPECT_EQ(printed[0].lines.size(), 9U);
  EXPECT_TRUE(drawsText(printed[0], "合　　計：404"));
  EXPECT_TRUE(drawnAt(printed[0], "林美華", 18, 5.4, 2.0));
  EXPECT_TRUE(drawnAt(printed[0], "67/男", 16, 7.2, 6.8));
  EXPECT_TRUE(drawnAt(printed[0], "Panadol", 14, 1.6, 10.8));
  for (const LoggedPage& page : printed) {
    EXPECT_TRUE(drawnAt(page, "王小明", 19, 2.0, 6.8));
    EXPECT_TRUE(drawnAt(page, "2025/02/28", 14, 14.5, 12.4));
    EXPECT_TRUE(drawnAt(page, "2024-12-28", 18, 11.0, 5.6));
  }
  const std::vector<std::string> chineseNames = {"退熱寧錠500毫克", "脈寧平錠5毫克",
                                                 "糖平膜衣錠500毫克", "痛風寧錠100毫克",
                                                 "胃酸寧腸溶膠囊20毫克"};
  for (size_t i = 0; i < printed.size(); ++i) {
    EXPECT_EQ(textsAt(printed[i], 1.6, 10.1), std::vector<std::string>{chineseNames[i]});
  }
  EXPECT_TRUE(drawnAt(printed[2], "飯後口服", 14, 10.5, 10.1));
  EXPECT_TRUE(drawnAt(printed[3], "可能發生罕見但嚴重的皮膚過敏反應，如(SJS/TEN)不良反應，如果", 14,
                      1.6, 16.9));
  EXPECT_TRUE(drawnAt(printed[4], "飯前服用", 14, 10.5, 10.1));
}

}  // namespace
}  // namespace pillora::testing
