#include "pillora/profiletool/profile_csv.h"

#include <gtest/gtest.h>

#include "common/text/codepage.h"
#include "pillora/profiletool/csv_encoding.h"

namespace pillora {
namespace {

constexpr char kHeader[] =
    "藥品代碼,藥品名稱,中文品名,藥品外觀,適應症,其他用藥指示,副作用,藥品警語";

std::string csv(const std::string& lines) {
  return std::string(kHeader) + "\r\n" + lines;
}

// The CSV file's bytes read as the tool reads them.
ProfileCsv read(const std::string& bytes, std::optional<CsvEncoding> encoding = std::nullopt) {
  std::vector<std::string> notes;
  return readProfileCsv(csvTextAsUtf8(bytes, encoding, notes));
}

std::string errorOf(const std::string& bytes, std::optional<CsvEncoding> encoding = std::nullopt) {
  try {
    read(bytes, encoding);
  } catch (const CsvError& error) {
    return error.what();
  }
  return "accepted";
}

TEST(ProfileCsv, NullEmptyQuotedAndMultiLineFields) {
  const auto rows =
      read("\xEF\xBB\xBF" +
           csv("A1,,\"\",\" 有空白 \",\"頭暈、\r\n嗜睡\",\"說 \"\"慢\"\" 一點, 好\", x ,\r\n"
               "A2,b,c,d,e,f,g,h\n"
               "\r\n"
               "A3,,,,,,,"))
          .rows;
  ASSERT_EQ(rows.size(), 3U);
  const ProfileRow& first = rows[0];
  EXPECT_EQ(first[0], u"A1");
  EXPECT_EQ(first[1], std::nullopt);
  EXPECT_EQ(first[2], u"");
  EXPECT_EQ(first[3], u" 有空白 ");
  EXPECT_EQ(first[4], u"頭暈、\r\n嗜睡");
  EXPECT_EQ(first[5], u"說 \"慢\" 一點, 好");
  EXPECT_EQ(first[6], u" x ");
  EXPECT_EQ(first[7], std::nullopt);
  EXPECT_EQ(rows[1][7], u"h");
  EXPECT_EQ(rows[2][0], u"A3");
  EXPECT_EQ(rows[2][7], std::nullopt);
}

TEST(ProfileCsv, WritingAndReadingGiveTheSameRows) {
  ProfileRow tricky{u"A1",  std::nullopt,  u"",       u" lead",
                    u"a,b", u"say \"hi\"", u"x\r\ny", u"頭暈、嗜睡"};
  const std::vector<ProfileRow> rows{tricky, ProfileRow{u"A2"}};
  const std::string text = writeProfileCsv(rows);
  EXPECT_EQ(text, csv("A1,,\"\", lead,\"a,b\",\"say \"\"hi\"\"\",\"x\r\ny\",頭暈、嗜睡\r\n"
                      "A2,,,,,,,\r\n"));
  EXPECT_EQ(readProfileCsv(text).rows, rows);
}

// A fault is told by the physical line its row begins on, the header being line 1.
TEST(ProfileCsv, FaultsNameTheLineTheirRowBeginsOn) {
  const std::string full = "A1,b,c,d,e,f,g,h\r\n";
  struct Case {
    std::string lines;
    const char* error;
  };
  for (const Case& c : {
           Case{"A1,\"b\r\nc\",c,d,e,f,g\r\n", "line 2: 7 fields where 8 belong"},
           Case{full + "\r\n\r\nA2,b,c\r\n", "line 5: 3 fields where 8 belong"},
           Case{full + "A2,\"b\r\n", "line 3: a quoted field is not closed"},
           Case{full + "A2,\"b\r\nc\r\nd", "line 3: a quoted field is not closed"},
           Case{"A1,b\"q,c,d,e,f,g,h\r\n", "line 2: a quoted field is not closed"},
           Case{"A1,\"b\"x,c,d,e,f,g,h\r\n", "line 2: a quoted field is not closed"},
           Case{full + ",b,c,d,e,f,g,h\r\n", "line 3: the drug code is empty"},
           Case{"A1,\"x\ny\",c,d,e,f,g,h\n\"\",b,c,d,e,f,g,h\n", "line 4: the drug code is empty"},
       }) {
    SCOPED_TRACE(c.lines);
    EXPECT_EQ(errorOf(csv(c.lines)), c.error);
  }
}

TEST(ProfileCsv, EachRepeatedCodeIsToldWithBothLines) {
  const ProfileCsv read = readProfileCsv(
      csv("A1,\"two\r\nlines\",c,d,e,f,g,h\r\nB2,b,c,d,e,f,g,h\r\na1,b,c,d,e,f,g,h\r\n"
          "A1,b,c,d,e,f,g,h\r\n"));
  EXPECT_EQ(read.rows.size(), 4U);
  EXPECT_EQ(
      read.duplicates,
      (std::vector<std::string>{
          "line 5: the drug code a1 is also on line 2; the lookup finds only the row of line 2",
          "line 6: the drug code A1 is also on line 2; the lookup finds only the row of line 2"}));
}

// The pharmacies' own files are Big5: read as asked, or found to be CP950 and said so.
TEST(ProfileCsv, Cp950FilesAreReadAsAskedOrWhenTheyAreNoUtf8) {
  const std::string utf8 = csv("A1,普拿疼,退熱錠,白色錠,止痛,飯後,頭暈,勿與酒併服\r\n");
  const std::string big5 = encodeCp950(fromUtf8(utf8));
  const std::vector<ProfileRow> rows = read(utf8).rows;
  std::vector<std::string> notes;
  EXPECT_EQ(readProfileCsv(csvTextAsUtf8(big5, std::nullopt, notes)).rows, rows);
  EXPECT_EQ(notes,
            std::vector<std::string>{"the text is not UTF-8 but CP950 (Big5): read as CP950"});
  EXPECT_EQ(read(big5, CsvEncoding::Cp950).rows, rows);
  EXPECT_EQ(read(utf8, CsvEncoding::Utf8).rows, rows);
  EXPECT_EQ(errorOf(big5, CsvEncoding::Utf8), "line 1: the text is not UTF-8");
  EXPECT_EQ(errorOf(encodeCp950(fromUtf8(csv("A1,b,c,d,e,f,g,h\r\n"))) + "A2,\x81\x30,c\r\n",
                    CsvEncoding::Cp950),
            "line 3: the text is not CP950");
  EXPECT_EQ(errorOf(csv("A1,b,c,d,e,f,g,h\r\nA2,\xFF,c,d,e,f,g,h\r\n")),
            "line 3: the text is neither UTF-8 nor CP950");
  EXPECT_EQ(csvEncodingNamed("CP950"), CsvEncoding::Cp950);
  EXPECT_EQ(csvEncodingNamed("utf-8"), CsvEncoding::Utf8);
  EXPECT_EQ(csvEncodingNamed("big5"), std::nullopt);
}

TEST(ProfileCsv, WrittenInCp950WithANoteForEachLineItCannotHold) {
  std::vector<std::string> notes;
  const std::string utf8 = writeProfileCsv({ProfileRow{u"A1", u"退熱錠"}, ProfileRow{u"A2", u"😀"}});
  const std::string big5 = csvTextIn(utf8, CsvEncoding::Cp950, notes);
  EXPECT_EQ(big5, encodeCp950(fromUtf8(utf8)));
  EXPECT_NE(big5.find("A2,?,"), std::string::npos);
  EXPECT_EQ(notes,
            std::vector<std::string>{"line 3: characters CP950 cannot hold are written as \"?\""});
  EXPECT_EQ(csvTextIn(utf8, CsvEncoding::Utf8, notes), utf8);
}

TEST(ProfileCsv, FaultsNameTheirLine) {
  EXPECT_EQ(errorOf(""), "line 1: no header line");
  EXPECT_EQ(errorOf("藥品代碼,藥品名稱\r\n").substr(0, 31), "line 1: 2 fields where 8 belong");
  EXPECT_NE(errorOf("代碼,藥品名稱,中文品名,藥品外觀,適應症,其他用藥指示,副作用,藥品警語\r\n")
                .find("line 1: the header must be 藥品代碼,"),
            std::string::npos);
  EXPECT_EQ(errorOf(csv("A1,b,c,d,e,f,g,h\r\nA2,b,c\r\n")), "line 3: 3 fields where 8 belong");
  EXPECT_EQ(errorOf(csv("A1,\xFF,c,d,e,f,g,h\r\n"), CsvEncoding::Utf8),
            "line 2: the text is not UTF-8");
}

}  // namespace
}  // namespace pillora
