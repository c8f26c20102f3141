#include "common/log/run_record.h"

#include <gtest/gtest.h>

#include <iostream>
#include <sstream>

#include "common/log/notice_capture.h"

namespace pillora {
namespace {

TEST(RunRecord, FieldsKeepTheirFirstPlaceAndValuesAreEscapedAsInThePrintLog) {
  RunRecord record;
  record.set("job", u"C:\\jobs\\1.ndrg");
  record.set("option", u"全部列印");
  record.add("file", u"/out/1.pdf");
  record.set("job", u"/tmp/a\tb.ndrg");  // replaced in its place
  record.add("file", u"/out/1-2.pdf");
  record.countPage();
  record.countPage();
  record.warn(u"line one\nline two");
  record.finish(0);
  EXPECT_EQ(record.fields(),
            "job=/tmp/a\\tb.ndrg\toption=全部列印\tfile=/out/1.pdf\tfile=/out/1-2.pdf\tpages=2\t"
            "warning=line one\\nline two\tstatus=0");
}

// A failed run ends with the line that says why: that line is its message, not a warning.
TEST(RunRecord, AFailedRunsLastNoticeIsItsMessage) {
  struct Case {
    int status;
    std::vector<Text> notices;
    std::string fields;
  };
  const std::vector<Case> cases{
      {0, {u"a"}, "warning=a\tstatus=0"},
      {1, {u"a", u"cannot print"}, "warning=a\tstatus=1\tmessage=cannot print"},
      {2, {u"usage: x"}, "status=2\tmessage=usage: x"},
      {1, {}, "status=1"},
  };
  for (const Case& c : cases) {
    RunRecord record;
    for (const Text& notice : c.notices) record.warn(notice);
    record.finish(c.status);
    EXPECT_EQ(record.fields(), c.fields);
  }
}

TEST(NoticeCapture, LinesStillReachTheStreamAndBecomeNoticesWithoutTheProgramsName) {
  std::ostringstream stream;
  RunRecord record;
  {
    const NoticeCapture capture(stream, "pillora", record);
    stream << "pillora: the drug-profile database cannot be opened: x\n";
    stream << "\n";  // spacing is no notice
    stream << "libmdb says\r\n"
           << "partial";
  }
  stream << "after\n";  // the capture is gone
  EXPECT_EQ(stream.str(),
            "pillora: the drug-profile database cannot be opened: x\n\nlibmdb says\r\npartial"
            "after\n");
  record.finish(0);
  EXPECT_EQ(record.fields(),
            "warning=the drug-profile database cannot be opened: x\twarning=libmdb says\t"
            "warning=partial\tstatus=0");
}

}  // namespace
}  // namespace pillora
