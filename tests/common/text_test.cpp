#include "common/text/text.h"

#include <gtest/gtest.h>

namespace pillora {
namespace {

TEST(Text, CountsUtf16CodeUnits) {
  EXPECT_EQ(len(u"頭暈、嗜睡"), 5);
  EXPECT_EQ(len(fromUtf8("\xF0\xA0\x80\x80")), 2);  // U+20000 takes a surrogate pair
  EXPECT_EQ(left(u"飯後服用。避免開車。", 4), u"飯後服用");
  EXPECT_EQ(mid(u"AC12345100", 3, 8), u"12345100");
  EXPECT_EQ(mid(u"abc", 5), u"");
  EXPECT_EQ(right(u"AC123451G0", 2), u"G0");
}

TEST(Text, Utf8RoundTripKeepsNonBmpAndMarksInvalidBytes) {
  const std::string utf8 = "藥\xF0\xA0\x80\x80x";
  EXPECT_EQ(toUtf8(fromUtf8(utf8)), utf8);
  EXPECT_EQ(fromUtf8("a\xFF"), u"a\uFFFD");
}

TEST(Text, FindSplitReplaceTrim) {
  EXPECT_EQ(find(u"abcabc", u"c", 4), 6);
  EXPECT_EQ(find(u"abc", u"x"), 0);
  EXPECT_EQ(split(u"TID@QD@", u"@"), (std::vector<Text>{u"TID", u"QD", u""}));
  EXPECT_EQ(replaceAll(u"x.ndrg/y.ndrg", u".ndrg", u".dprf"), u"x.dprf/y.dprf");
  EXPECT_EQ(trimBlanks(u"  a b \t "), u"a b \t");
  EXPECT_EQ(upper(u"true/v"), u"TRUE/V");
  EXPECT_TRUE(equalsIgnoreCase(u"Key", u"kEY"));
}

TEST(Text, LineBreaksOfAnyKindAreOneBreakAndBlanksOnOneLine) {
  struct Case {
    TextView text;
    std::vector<Text> lines;
    Text oneLine;
  };
  const std::vector<Case> cases{
      {u"", {u""}, u""},
      {u"飯後", {u"飯後"}, u"飯後"},
      {u"飯後\r\n多喝水", {u"飯後", u"多喝水"}, u"飯後 多喝水"},
      {u"a\rb\nc", {u"a", u"b", u"c"}, u"a b c"},
      {u"a\n\rb", {u"a", u"", u"b"}, u"a  b"},
      {u"a\r\n\r\n", {u"a"}, u"a"},
      {u"\r\n", {u""}, u""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(textLines(c.text), c.lines) << toUtf8(c.text);
    EXPECT_EQ(breaksAsBlanks(c.text), c.oneLine) << toUtf8(c.text);
    EXPECT_EQ(hasLineBreak(c.text), c.lines.size() > 1 || c.text.size() > c.lines[0].size());
  }
}

}  // namespace
}  // namespace pillora
