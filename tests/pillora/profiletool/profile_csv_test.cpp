#include "pillora/profiletool/profile_csv.h"

#include <gtest/gtest.h>

namespace pillora {
namespace {

constexpr char kHeader[] =
    "藥品代碼,藥品名稱,中文品名,藥品外觀,適應症,其他用藥指示,副作用,藥品警語";

std::string csv(const std::string& lines) {
  return std::string(kHeader) + "\r\n" + lines;
}

std::string errorOf(const std::string& text) {
  try {
    readProfileCsv(text);
  } catch (const CsvError& error) {
    return error.what();
  }
  return "accepted";
}

TEST(ProfileCsv, NullEmptyQuotedAndMultiLineFields) {
  const auto rows = readProfileCsv(
      "\xEF\xBB\xBF" +
      csv("A1,,\"\",\" 有空白 \",\"頭暈、\r\n嗜睡\",\"說 \"\"慢\"\" 一點, 好\", x ,\r\n"
          "A2,b,c,d,e,f,g,h\n"
          "\r\n"
          "A3,,,,,,,"));
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
  const std::vector<ProfileRow> rows{tricky, ProfileRow{}};
  const std::string text = writeProfileCsv(rows);
  EXPECT_EQ(text, csv("A1,,\"\", lead,\"a,b\",\"say \"\"hi\"\"\",\"x\r\ny\",頭暈、嗜睡\r\n"
                      ",,,,,,,\r\n"));
  EXPECT_EQ(readProfileCsv(text), rows);
}

TEST(ProfileCsv, FaultsNameTheirLine) {
  EXPECT_EQ(errorOf(""), "line 1: no header line");
  EXPECT_EQ(errorOf("藥品代碼,藥品名稱\r\n").substr(0, 31), "line 1: 2 fields where 8 belong");
  EXPECT_NE(errorOf("代碼,藥品名稱,中文品名,藥品外觀,適應症,其他用藥指示,副作用,藥品警語\r\n")
                .find("line 1: the header must be 藥品代碼,"),
            std::string::npos);
  EXPECT_EQ(errorOf(csv("A1,b,c,d,e,f,g,h\r\nA2,b,c\r\n")), "line 3: 3 fields where 8 belong");
  EXPECT_EQ(errorOf(csv("A1,b,c,d,e,f,g,h\r\nA2,\"b\r\n")),
            "line 3: a quoted field without its closing quote");
  EXPECT_NE(errorOf(csv("A1,b\"q,c,d,e,f,g,h\r\n")).find("line 2: "), std::string::npos);
  EXPECT_EQ(errorOf(csv("A1,\xFF,c,d,e,f,g,h\r\n")), "line 2: the text is not UTF-8");
}

}  // namespace
}  // namespace pillora
