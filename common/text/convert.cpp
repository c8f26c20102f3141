#include "common/text/convert.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "common/text/errors.h"

namespace pillora {

namespace {

bool isDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}

size_t skipDigits(TextView t, size_t i) {
  while (i < t.size() && isDigit(t[i])) ++i;
  return i;
}

// The number text without blanks when it has one of the accepted forms.
std::optional<std::string> numberText(TextView t) {
  t = trimmed(t, kSpaceAndTab);
  size_t i = (!t.empty() && (t[0] == u'+' || t[0] == u'-')) ? 1 : 0;
  const size_t intEnd = skipDigits(t, i);
  size_t digits = intEnd - i;
  i = intEnd;
  if (i < t.size() && t[i] == u'.') {
    const size_t fracEnd = skipDigits(t, i + 1);
    digits += fracEnd - i - 1;
    i = fracEnd;
  }
  if (digits == 0) return std::nullopt;
  if (i < t.size() && (t[i] == u'e' || t[i] == u'E')) {
    size_t e = i + 1;
    if (e < t.size() && (t[e] == u'+' || t[e] == u'-')) ++e;
    const size_t expEnd = skipDigits(t, e);
    if (expEnd == e) return std::nullopt;
    i = expEnd;
  }
  if (i != t.size()) return std::nullopt;
  return std::string(t.begin(), t.end());
}

// The number without its sign: from_chars takes no "+" and reads "-" itself.
std::string_view withoutSign(const std::string& number) {
  std::string_view digits(number);
  if (digits.front() == '+' || digits.front() == '-') digits.remove_prefix(1);
  return digits;
}

// The power of ten of an accepted number's leading digit, plus one ("120" 3, "0.05" -1):
// above zero a number past the range of double is too large, else too small. Zero for a
// number without a non-zero digit.
long decimalOrder(std::string_view digits) {
  const size_t exponentAt = digits.find_first_of("eE");
  long exponent = 0;
  if (exponentAt != std::string_view::npos) {
    std::string_view power = digits.substr(exponentAt + 1);
    if (!power.empty() && power.front() == '+') power.remove_prefix(1);
    constexpr long kFarOut = 1000000;
    if (std::from_chars(power.data(), power.data() + power.size(), exponent).ec != std::errc()) {
      exponent = power.front() == '-' ? -kFarOut : kFarOut;
    }
    digits = digits.substr(0, exponentAt);
  }
  const size_t point = std::min(digits.find('.'), digits.size());
  const size_t first = digits.find_first_of("123456789");
  if (first == std::string_view::npos) return 0;
  const auto shift = static_cast<long>(point) - static_cast<long>(first);
  return exponent + (first < point ? shift : shift + 1);
}

std::int64_t roundHalfEven(double value, double low, double high, const char* type) {
  const double r = std::nearbyint(value);  // the default rounding mode goes to even
  if (!(r >= low && r <= high)) throw OverflowError(std::string("overflow: value outside ") + type);
  return static_cast<std::int64_t>(r);
}

bool isLeapYear(int y) {
  return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int daysInMonth(int y, int m) {
  static constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && isLeapYear(y) ? 29 : kDays[static_cast<size_t>(m - 1)];
}

// Days since 1970-01-01 and back (proleptic Gregorian calendar).
long daysFromCivil(Date d) {
  const long y = d.year - (d.month <= 2 ? 1 : 0);
  const long era = (y >= 0 ? y : y - 399) / 400;
  const long yoe = y - era * 400;
  const long doy = (153L * (d.month + (d.month > 2 ? -3 : 9)) + 2) / 5 + d.day - 1;
  const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

Date civilFromDays(long z) {
  z += 719468;
  const long era = (z >= 0 ? z : z - 146096) / 146097;
  const long doe = z - era * 146097;
  const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long mp = (5 * doy + 2) / 153;
  const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  return Date{static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0)), month, day};
}

// Reads up to maxDigits digits at i; -1 when there are fewer than minDigits.
int readField(TextView t, size_t& i, size_t minDigits, size_t maxDigits) {
  const size_t end = skipDigits(t, i);
  if (end - i < minDigits || end - i > maxDigits) return -1;
  int value = 0;
  for (; i < end; ++i) value = value * 10 + (t[i] - u'0');
  return value;
}

// The decimal digits of value after as many zeros as make them width long.
void appendPadded(Text& out, int value, int width) {
  std::array<char, 16> digits{};
  char* end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
  const auto size = static_cast<int>(end - digits.data());
  if (size < width) out.append(static_cast<size_t>(width - size), u'0');
  out.append(digits.data(), end);
}

// Year, month and day with their leading zeros, separated by separator.
Text dateText(Date d, char16_t separator) {
  Text text;
  text.reserve(10);
  appendPadded(text, d.year, 4);
  text += separator;
  appendPadded(text, d.month, 2);
  text += separator;
  appendPadded(text, d.day, 2);
  return text;
}

}  // namespace

bool isNumeric(TextView t) {
  return numberText(t).has_value();
}

double toDouble(TextView t) {
  const auto text = numberText(t);
  if (!text) throw ConversionError("type mismatch: \"" + toUtf8(t) + "\" is not a number");
  const std::string_view digits = withoutSign(*text);
  double value = 0.0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error == std::errc::result_out_of_range) {
    // Too small to hold reads as zero, as the platform's conversion does; too large fails.
    if (decimalOrder(digits) > 0) throw OverflowError("overflow: \"" + *text + "\"");
    value = 0.0;
  } else if (error != std::errc() || end != digits.data() + digits.size()) {
    throw ConversionError("type mismatch: \"" + *text + "\" is not a number");
  }
  return text->front() == '-' ? -value : value;
}

float toSingle(double value) {
  if (std::fabs(value) > std::numeric_limits<float>::max()) throw OverflowError("overflow: single");
  return static_cast<float>(value);
}

float toSingle(TextView t) {
  return toSingle(toDouble(t));
}

std::int16_t toInt16(double value) {
  return static_cast<std::int16_t>(roundHalfEven(value, -32768.0, 32767.0, "16-bit integer"));
}

std::int16_t toInt16(TextView t) {
  return toInt16(toDouble(t));
}

std::int32_t toInt32(double value) {
  return static_cast<std::int32_t>(
      roundHalfEven(value, -2147483648.0, 2147483647.0, "32-bit integer"));
}

std::int32_t toInt32(TextView t) {
  return toInt32(toDouble(t));
}

namespace {

template <typename Number>
Text shortestText(Number value) {
  std::array<char, 32> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return fromUtf8(std::string_view(buffer.data(), static_cast<size_t>(result.ptr - buffer.data())));
}

}  // namespace

Text formatSingle(float value) {
  return shortestText(value);
}

Text formatDouble(double value) {
  return shortestText(value);
}

std::string decimal(std::int64_t value) {
  std::array<char, 24> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return {buffer.data(), result.ptr};
}

std::optional<Date> parseDate(TextView t) {
  t = trimmed(t, kSpaceAndTab);
  size_t i = 0;
  const int year = readField(t, i, 4, 4);
  if (year < 1000 || i >= t.size() || (t[i] != u'/' && t[i] != u'-')) return std::nullopt;
  const char16_t sep = t[i++];
  const int month = readField(t, i, 1, 2);
  if (month < 1 || month > 12 || i >= t.size() || t[i++] != sep) return std::nullopt;
  const int day = readField(t, i, 1, 2);
  if (i != t.size() || day < 1 || day > daysInMonth(year, month)) return std::nullopt;
  return Date{year, month, day};
}

Date toDate(TextView t) {
  const auto date = parseDate(t);
  if (!date) throw ConversionError("type mismatch: \"" + toUtf8(t) + "\" is not a date");
  return *date;
}

Date addMonths(Date d, int months) {
  const int index = d.year * 12 + (d.month - 1) + months;
  const int year = index / 12;
  const int month = index % 12 + 1;
  return Date{year, month, std::min(d.day, daysInMonth(year, month))};
}

Date addDays(Date d, int days) {
  return civilFromDays(daysFromCivil(d) + days);
}

Text formatSlashDate(Date d) {
  return dateText(d, u'/');
}

Text formatDashDate(Date d) {
  return dateText(d, u'-');
}

}  // namespace pillora
