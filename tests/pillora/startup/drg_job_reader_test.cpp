#include "pillora/startup/drg_job_reader.h"

#include <gtest/gtest.h>

#include "common/text/errors.h"
#include "pillora/profiletool/profile_csv.h"
#include "pillora/profiletool/profile_database.h"
#include "tests/pillora/startup/job_fixture.h"

namespace pillora::testing {
namespace {

// Page positions below are those of the single-drug bag drawn by startPrint.
constexpr const char* kFont = "標楷體";

std::vector<Text> drgJob() {
  return {
      u"杏林藥局",
      u"用心守護您的健康",
      u"02-2345-6789",
      u"台北市中正區杏林路1號",
      u"王大明@李志明",  // stored whole
      u"2007/05/06",
      u"仁愛醫院",
      u"3",
      u"2",
      u"陳小華",
      u"男／45",  // stored whole
      u"1",
      u"AC12345100",
      u"TID",
      u"7",
      u"21",
      u"Panadol",
      u"GSK?Panadol?",
      u"PO",
      u"1顆",
      u"多出來的一行",  // after the 20th line: ignored
  };
}

using DrgJobReader = JobReaderTest;

TEST_F(DrgJobReader, PrintsOneSingleBagWithTheDerivedTexts) {
  readDrgJob(writeJob("123.drg", drgJob()), run, recorder.surface());
  EXPECT_EQ(
      notLoggedOnce(recorder.lines(),
                    {
                        textAt(0.0, 0.0, kFont, "24", "杏林藥局      用心守護您的健康"),
                        textAt(4.5, 9.3, kFont, "16", "02-2345-6789 ／ 台北市中正區杏林路1號"),
                        textAt(3.2, 10.7, kFont, "12", "王大明@李志明"),
                        textAt(10.8, 10.7, kFont, "14", "2007/05/06"),
                        textAt(3.5, 13.7, kFont, "20", "陳小華 ／ "),
                        textAt(13.0, 13.7, kFont, "16", "男／45"),
                        textAt(8.5, 16.0, kFont, "12", "口服"),
                        textAt(8.5, 17.5, kFont, "12", "每日三次(早上、中午以及晚上各一次)"),
                        textAt(8.5, 18.0, kFont, "12", "(每次用量：1顆)"),
                        textAt(0.5, 17.5, kFont, "10", "廠牌：GSKPanadol"),
                        textAt(12.5, 16.0, kFont, "12", "7"),
                        textAt(14.5, 16.0, kFont, "12", "21"),
                        textAt(10.5, 19.7, kFont, "20", "1"),
                        textAt(10.5, 21.5, kFont, "14", "2007/08/06"),
                        textAt(10.5, 23.0, kFont, "14", "乾襙陰涼處　 □  冰箱冷藏"),
                    }),
      kNoneMissing);
  // The bag's 28 rows and its own document end, then startPrint's closing call.
  EXPECT_EQ(recorder.lines().size(), 28U + 2U);
  EXPECT_EQ(recorder.linesOf("enddoc").size(), 2U);
}

// The exact code is searched (a "G0" code as its "00" code, printed so too); the columns
// are copied whole, the appearance to the shape only, line feeds removed; neither the print
// option nor a trigger word in the brand changes them.
TEST_F(DrgJobReader, CompletesTheDrugFromItsProfile) {
  buildProfileDatabase(
      readProfileCsv("藥品代碼,藥品名稱,中文品名,藥品外觀,適應症,其他用藥指示,副作用,藥品警語\r\n"
                     "AC12345100,ALLOPURINOL 100MG,痛風寧錠,白色圓形錠,\"痛風\n高尿酸血症\","
                     "飯後服用。避免開車。,頭暈、嗜睡、口乾,多喝水。\r\n")
          .rows,
      folder.file("dbDrugProfile.mdb"));
  run.printOption = u"0";
  std::vector<Text> job = drgJob();
  job[12] = u"AC123451G0";
  job[17] = u"永信ALLOPURINOL";
  readDrgJob(writeJob("profiled.drg", job), run, recorder.surface());
  EXPECT_EQ(notLoggedOnce(recorder.lines(),
                          {
                              textAt(0.5, 16.0, kFont, "10", "ALLOPURINOL 100MGAC12345100"),
                              textAt(0.5, 16.8, kFont, "10", "痛風寧錠"),
                              textAt(4.0, 20.5, kFont, "10", " ／ 白色圓形錠"),
                              textAt(2.5, 21.3, kFont, "10", "痛風高尿酸血症"),
                              textAt(2.5, 22.9, kFont, "10", "飯後服用。避免開車。"),
                              textAt(2.5, 24.3, kFont, "10", "頭暈、嗜睡、口乾"),
                              textAt(10.5, 24.3, kFont, "10", "多喝水。"),
                          }),
            kNoneMissing);
}

TEST_F(DrgJobReader, UnknownCodesStayAsWrittenAndABadDateLeavesNoUseByDate) {
  std::vector<Text> job = drgJob();
  job[5] = u"2007/02/30";
  job[13] = u"Q8H";
  job[18] = u"po";
  readDrgJob(writeJob("odd.drg", job), run, recorder.surface());
  EXPECT_EQ(notLoggedOnce(recorder.lines(),
                          {
                              textAt(8.5, 17.5, kFont, "12", "Q8H"),
                              textAt(8.5, 16.0, kFont, "12", "po"),
                              textAt(10.5, 21.5, kFont, "14", ""),
                          }),
            kNoneMissing);
}

TEST_F(DrgJobReader, UseByDateIsTakenFromTheDateAsTheRecordReturnsIt) {
  folder.touch("220306.config");  // the date then reads "調劑日:2007/05/06": not a date
  readDrgJob(writeJob("flag.drg", drgJob()), run, recorder.surface());
  EXPECT_EQ(notLoggedOnce(recorder.lines(),
                          {
                              textAt(10.8, 10.7, kFont, "14", "調劑日:2007/05/06"),
                              textAt(10.5, 21.5, kFont, "14", ""),
                          }),
            kNoneMissing);
}

TEST_F(DrgJobReader, AnUnreadableOrShortFilePrintsNothing) {
  std::vector<Text> job = drgJob();
  job.resize(19);
  EXPECT_THROW(readDrgJob(writeJob("short.drg", job), run, recorder.surface()), FileError);
  EXPECT_THROW(readDrgJob(fromUtf8(folder.file("missing.drg")), run, recorder.surface()),
               FileError);
  EXPECT_TRUE(recorder.lines().empty());
}

}  // namespace
}  // namespace pillora::testing
