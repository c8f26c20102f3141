#include "pillora/startup/multi_drug_job_reader.h"

#include <gtest/gtest.h>

#include "common/text/errors.h"
#include "tests/pillora/startup/job_fixture.h"

namespace pillora::testing {
namespace {

constexpr const char* kFont = "標楷體";

std::vector<Text> multiDrugJob() {
  return {u"杏林藥局", u"用心守護您的健康", u"02-2345-6789", u"台北市中正區杏林路1號", u"王大明",
          u"2007/05/06", u"仁愛醫院", u"3", u"2", u"陳小華", u"45",
          // drug 1
          u"AC12345100", u"TID", u"7", u"21", u"Panadol", u"GSK", u"PO", u"1顆",
          // drug 2
          u"BC23456100", u"HS", u"7", u"7", u"Stilnox", u"Sanofi", u"POPC", u"半顆",
          // drug 3
          u"CC34567100", u"QD", u"7", u"14", u"Mucosolvan", u"BI", u"EXT", u"2顆",
          // lines 36 to 40: ignored
          u"x", u"x", u"x", u"x", u"x"};
}

// The drug rows of the bag: what lies between the ten header rows and the footer.
std::vector<std::string> drugRows(const RecordingPrinter& recorder) {
  const std::vector<std::string> lines = recorder.linesOf("text");
  return {lines.begin() + 10, lines.end() - 1};
}

using MultiDrugJobReader = JobReaderTest;

TEST_F(MultiDrugJobReader, PrintsThreeDrugsInOneBag) {
  readMultiDrugJob(writeJob("123.job", multiDrugJob()), run, recorder.surface());
  EXPECT_EQ(notLoggedOnce(recorder.lines(),
                          {
                              textAt(0.0, 0.0, kFont, "24", "杏林藥局      用心守護您的健康"),
                              textAt(3.2, 10.7, kFont, "12", "王大明"),
                              textAt(10.8, 10.7, kFont, "14", "2007/05/06"),
                              textAt(13.0, 13.7, kFont, "16", "45 ／ "),
                          }),
            kNoneMissing);
  // Route codes reach the layout as written and are expanded there.
  EXPECT_EQ(drugRows(recorder), (std::vector<std::string>{
                                    textAt(0.5, 16.0, kFont, "10", "Panadol"),
                                    textAt(0.5, 18.2, kFont, "10", "Stilnox"),
                                    textAt(0.5, 20.0, kFont, "10", "Mucosolvan"),
                                    textAt(8.5, 16.5, kFont, "16", "(每次用量：1顆)"),
                                    textAt(8.5, 18.7, kFont, "16", "(每次用量：半顆)"),
                                    textAt(8.5, 20.5, kFont, "16", "(每次用量：2顆)"),
                                    textAt(8.5, 17.0, kFont, "16", "口服"),
                                    textAt(8.5, 19.5, kFont, "16", "飯後口服"),
                                    textAt(8.5, 21.2, kFont, "16", "外用"),
                                    textAt(16.5, 16.5, kFont, "16", "21"),
                                    textAt(16.5, 18.7, kFont, "16", "7"),
                                    textAt(16.5, 20.5, kFont, "16", "14"),
                                }));
  EXPECT_EQ(recorder.linesOf("enddoc").size(), 2U);
}

TEST_F(MultiDrugJobReader, AnEmptyThirdDrugLeavesItsRowsEmpty) {
  std::vector<Text> job = multiDrugJob();
  std::fill(job.begin() + 27, job.begin() + 35, Text());
  job.resize(35);
  readMultiDrugJob(writeJob("two.txt", job), run, recorder.surface());
  EXPECT_EQ(drugRows(recorder), (std::vector<std::string>{
                                    textAt(0.5, 16.0, kFont, "10", "Panadol"),
                                    textAt(0.5, 18.2, kFont, "10", "Stilnox"),
                                    textAt(8.5, 16.5, kFont, "16", "(每次用量：1顆)"),
                                    textAt(8.5, 18.7, kFont, "16", "(每次用量：半顆)"),
                                    textAt(8.5, 17.0, kFont, "16", "口服"),
                                    textAt(8.5, 19.5, kFont, "16", "飯後口服"),
                                    textAt(16.5, 16.5, kFont, "16", "21"),
                                    textAt(16.5, 18.7, kFont, "16", "7"),
                                }));
}

TEST_F(MultiDrugJobReader, AnUnreadableOrShortFilePrintsNothing) {
  std::vector<Text> job = multiDrugJob();
  job.resize(34);
  EXPECT_THROW(readMultiDrugJob(writeJob("short.job", job), run, recorder.surface()), FileError);
  EXPECT_THROW(readMultiDrugJob(fromUtf8(folder.file("missing.job")), run, recorder.surface()),
               FileError);
  EXPECT_TRUE(recorder.lines().empty());
}

}  // namespace
}  // namespace pillora::testing
