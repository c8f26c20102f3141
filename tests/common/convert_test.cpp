#include "common/text/convert.h"

#include <gtest/gtest.h>

#include "common/text/errors.h"
#include "tests/support/comma_decimal_locale.h"

namespace pillora {
namespace {

TEST(Numbers, AcceptsTheDocumentedFormsOnly) {
  for (const TextView yes : {u"5", u" 12 ", u"-1.8", u"+0.5", u".5", u"3.", u"1e3", u"2E-2"}) {
    EXPECT_TRUE(isNumeric(yes)) << toUtf8(yes);
  }
  for (const TextView no : {u"", u"  ", u"1,000", u"12a", u"e3", u"-", u"1e", u"１２", u"ndrg"}) {
    EXPECT_FALSE(isNumeric(no)) << toUtf8(no);
  }
  EXPECT_DOUBLE_EQ(toDouble(u" -1.8 "), -1.8);
  EXPECT_THROW(toDouble(u""), ConversionError);
  EXPECT_THROW(toDouble(u"1e999"), OverflowError);
}

// A window toolkit sets the process locale; numbers of job and settings files keep the point.
TEST(Numbers, ReadAndWrittenAloneFromTheProcessLocale) {
  const testing::CommaDecimalLocale comma;
  EXPECT_DOUBLE_EQ(toDouble(u"12.5"), 12.5);
  EXPECT_DOUBLE_EQ(toDouble(u"+.25e1"), 2.5);
  EXPECT_EQ(toSingle(u"13.7"), 13.7F);
  EXPECT_EQ(formatSingle(13.7F), u"13.7");
  EXPECT_EQ(toDouble(u"-1e-400"), 0.0);  // too small to hold: zero
  EXPECT_THROW(toDouble(u"0.001e312"), OverflowError);
}

TEST(Numbers, SixteenBitIntegersRoundHalfToEvenAndOverflow) {
  EXPECT_EQ(toInt16(12.5), 12);
  EXPECT_EQ(toInt16(13.5), 14);
  EXPECT_EQ(toInt16(-2.5), -2);
  EXPECT_EQ(toInt16(u"2.4999"), 2);
  EXPECT_EQ(toInt16(u"32767"), 32767);
  EXPECT_EQ(toInt16(u"-32768"), -32768);
  EXPECT_THROW(toInt16(u"32768"), OverflowError);
  EXPECT_THROW(toInt16(32767.5), OverflowError);  // rounds to 32768
  EXPECT_THROW(toInt16(u"99999"), OverflowError);
  EXPECT_EQ(toInt32(u"40000"), 40000);
}

TEST(Numbers, SinglePrecisionAndItsShortestText) {
  EXPECT_EQ(toSingle(u"1.2"), 1.2F);
  EXPECT_THROW(toSingle(u"1e39"), OverflowError);
  EXPECT_EQ(formatSingle(14.0F), u"14");
  EXPECT_EQ(formatSingle(13.7F), u"13.7");
  EXPECT_EQ(formatSingle(0.5F), u"0.5");
}

TEST(Numbers, DoublePrecisionShortestTextReadsBackTheSame) {
  for (const double value : {12.5, 3.0, -0.1, 1e-7, 123456789.123, 1.7976931348623157e308}) {
    const Text text = formatDouble(value);
    EXPECT_EQ(toDouble(text), value) << toUtf8(text);
  }
  EXPECT_EQ(formatDouble(3.0), u"3");
  EXPECT_EQ(formatDouble(0.1), u"0.1");
}

TEST(Dates, ParsesYearMonthDayWithSlashOrDash) {
  EXPECT_EQ(parseDate(u"2007/05/06"), (Date{2007, 5, 6}));
  EXPECT_EQ(parseDate(u"2015-10-14"), (Date{2015, 10, 14}));
  EXPECT_EQ(parseDate(u" 2024/2/9 "), (Date{2024, 2, 9}));
  for (const TextView bad : {u"", u"2023/02/29", u"2023/13/01", u"2023/00/10", u"2023-05/06",
                             u"07/05/06", u"2023/05/06x", u"調劑日:2007/05/06", u"2023/4/31"}) {
    EXPECT_FALSE(parseDate(bad).has_value()) << toUtf8(bad);
  }
  EXPECT_THROW(toDate(u"abc"), ConversionError);
}

TEST(Dates, AddMonthsClampsToTheLastDayAndDaysCrossYears) {
  EXPECT_EQ(addMonths({2023, 11, 30}, 3), (Date{2024, 2, 29}));
  EXPECT_EQ(addMonths({2022, 11, 30}, 3), (Date{2023, 2, 28}));
  EXPECT_EQ(addMonths({2007, 5, 6}, 3), (Date{2007, 8, 6}));
  EXPECT_EQ(addMonths({2023, 10, 31}, 3), (Date{2024, 1, 31}));
  EXPECT_EQ(addDays({2015, 10, 14}, 28), (Date{2015, 11, 11}));
  EXPECT_EQ(addDays({2023, 12, 20}, 14), (Date{2024, 1, 3}));
  EXPECT_EQ(addDays({2024, 3, 1}, -1), (Date{2024, 2, 29}));
}

TEST(Dates, FormatsTheTwoPatternsAndKnowsTheZeroDate) {
  EXPECT_EQ(formatSlashDate({2024, 2, 9}), u"2024/02/09");
  EXPECT_EQ(formatDashDate({2015, 11, 11}), u"2015-11-11");
  EXPECT_EQ(formatDashDate(kZeroDate), u"1899-12-30");
  EXPECT_EQ(formatDashDate({987, 1, 2}), u"0987-01-02");
}

}  // namespace
}  // namespace pillora
