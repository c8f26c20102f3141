#pragma once
// The number and date conversions of the system, in one place. Every caller uses these;
// nobody parses numbers or dates by hand.
//
// Accepted number forms (isNumeric, toDouble and everything built on them):
//   [blanks] [+|-] digits [. [digits]] [(e|E) [+|-] digits] [blanks]
//   [blanks] [+|-] . digits [(e|E) [+|-] digits] [blanks]
// Blanks are U+0020 and TAB. The decimal separator is the point; there are no thousands
// separators. An empty or all-blank text is not a number.
//
// Accepted date forms (parseDate):
//   [blanks] yyyy sep m sep d [blanks]
// where sep is "/" or "-" (the same both times), yyyy is four digits (1000-9999), m and d
// are one or two digits and must name a real day of the Gregorian calendar.
#include <cstdint>
#include <optional>
#include <string>

#include "common/text/text.h"

namespace pillora {

bool isNumeric(TextView t);
// ConversionError when t is not a number; OverflowError when beyond double range.
double toDouble(TextView t);
// Single precision; OverflowError beyond its range.
float toSingle(TextView t);
float toSingle(double value);
// Nearest 16-bit integer, a half going to the even neighbour; OverflowError outside
// -32768..32767.
std::int16_t toInt16(double value);
std::int16_t toInt16(TextView t);
// Nearest 32-bit integer, a half going to the even neighbour; OverflowError outside range.
std::int32_t toInt32(double value);
std::int32_t toInt32(TextView t);
// Shortest decimal text that reads back as the same single-precision value ("14", "13.7").
Text formatSingle(float value);
// Shortest decimal text that reads back as the same double-precision value ("12.5", "3").
Text formatDouble(double value);
// Decimal digits of an integer, with "-" when negative (messages, file names).
std::string decimal(std::int64_t value);

struct Date {
  int year = 1899;
  int month = 12;
  int day = 30;
  friend bool operator==(const Date&, const Date&) = default;
};

// The zero date of the platform's date type.
inline constexpr Date kZeroDate{1899, 12, 30};

std::optional<Date> parseDate(TextView t);
// ConversionError when t is not a date.
Date toDate(TextView t);
// Calendar months added; a day beyond the target month's end becomes its last day.
Date addMonths(Date d, int months);
Date addDays(Date d, int days);
// "YYYY/MM/DD"
Text formatSlashDate(Date d);
// "yyyy-MM-dd"
Text formatDashDate(Date d);

}  // namespace pillora
