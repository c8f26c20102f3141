#include "platform/odbc/odbc_values.h"

#include <array>

namespace pillora::odbc {

namespace {

// Longer text goes to SQL Server as a long (max) text parameter.
constexpr SQLULEN kLongestShortText = 4000;
constexpr SQLULEN kTimestampDigits = 19;  // "yyyy-mm-dd hh:mm:ss"

Text twoDigits(int value) {
  return fromUtf8(decimal(value / 10) + decimal(value % 10));
}

Text timestampText(const SQL_TIMESTAMP_STRUCT& t) {
  Text text = formatDashDate(Date{t.year, t.month, t.day});
  if (t.hour != 0 || t.minute != 0 || t.second != 0) {
    text += u" " + twoDigits(t.hour) + u":" + twoDigits(t.minute) + u":" + twoDigits(t.second);
  }
  return text;
}

// Reads a fixed-size value; false for NULL.
template <typename Value>
bool readFixed(const Handle& statement, SQLUSMALLINT column, SQLSMALLINT cType, Value& value) {
  SQLLEN indicator = 0;
  statement.check(
      library().SQLGetData(statement.get(), column, cType, &value, sizeof value, &indicator),
      "SQLGetData");
  return indicator != SQL_NULL_DATA;
}

// Reads text of any length, a buffer at a time.
FieldText readText(const Handle& statement, SQLUSMALLINT column) {
  Text text;
  std::array<SQLWCHAR, 1024> buffer{};
  for (;;) {
    SQLLEN indicator = 0;
    const SQLRETURN rc = library().SQLGetData(statement.get(), column, SQL_C_WCHAR, buffer.data(),
                                              sizeof buffer, &indicator);
    if (rc == SQL_NO_DATA) break;
    statement.check(rc, "SQLGetData");
    if (indicator == SQL_NULL_DATA) return std::nullopt;
    const auto room = static_cast<SQLLEN>(sizeof buffer - sizeof(SQLWCHAR));
    const bool whole = indicator != SQL_NO_TOTAL && indicator <= room;
    const size_t units =
        whole ? static_cast<size_t>(indicator) / sizeof(SQLWCHAR) : buffer.size() - 1;
    text.append(reinterpret_cast<const char16_t*>(buffer.data()), units);
    if (whole) break;
  }
  return text;
}

SQL_TIMESTAMP_STRUCT timestampOf(const Date& date) {
  SQL_TIMESTAMP_STRUCT t{};
  t.year = static_cast<SQLSMALLINT>(date.year);
  t.month = static_cast<SQLUSMALLINT>(date.month);
  t.day = static_cast<SQLUSMALLINT>(date.day);
  return t;
}

}  // namespace

ColumnKind columnKind(SQLSMALLINT sqlType) {
  switch (sqlType) {
    case SQL_CHAR:
    case SQL_VARCHAR:
    case SQL_LONGVARCHAR:
    case SQL_WCHAR:
    case SQL_WVARCHAR:
    case SQL_WLONGVARCHAR:
      return ColumnKind::Text;
    case SQL_DECIMAL:
    case SQL_NUMERIC:
    case SQL_SMALLINT:
    case SQL_INTEGER:
    case SQL_BIGINT:
    case SQL_TINYINT:
    case SQL_REAL:
    case SQL_FLOAT:
    case SQL_DOUBLE:
      return ColumnKind::Number;
    case SQL_TYPE_DATE:
    case SQL_TYPE_TIMESTAMP:
      return ColumnKind::Date;
    default:
      return ColumnKind::Any;
  }
}

FieldText readColumn(const Handle& statement, SQLUSMALLINT column, SQLSMALLINT sqlType) {
  switch (sqlType) {
    case SQL_REAL:
    case SQL_FLOAT:
    case SQL_DOUBLE: {
      double number = 0;
      if (!readFixed(statement, column, SQL_C_DOUBLE, number)) return std::nullopt;
      return formatDouble(number);
    }
    case SQL_TYPE_DATE:
    case SQL_TYPE_TIMESTAMP: {
      SQL_TIMESTAMP_STRUCT timestamp{};
      if (!readFixed(statement, column, SQL_C_TYPE_TIMESTAMP, timestamp)) return std::nullopt;
      return timestampText(timestamp);
    }
    default:
      return readText(statement, column);
  }
}

BoundRow::BoundRow(RowValues values) {
  m_parameters.reserve(values.size());
  for (const auto& [column, value] : values) {
    Parameter& parameter = m_parameters.emplace_back();
    if (const auto* text = std::get_if<Text>(&value)) {
      parameter.buffer = *text;
      parameter.indicator = static_cast<SQLLEN>(text->size() * sizeof(char16_t));
    } else if (const auto* number = std::get_if<double>(&value)) {
      parameter.buffer = *number;
    } else if (const auto* date = std::get_if<Date>(&value)) {
      parameter.buffer = timestampOf(*date);
    } else {
      parameter.indicator = SQL_NULL_DATA;
    }
  }
}

void BoundRow::bind(const Handle& statement) {
  for (size_t i = 0; i < m_parameters.size(); ++i) {
    bindOne(statement, static_cast<SQLUSMALLINT>(i + 1), m_parameters[i]);
  }
}

void BoundRow::bindOne(const Handle& statement, SQLUSMALLINT number, Parameter& parameter) {
  SQLSMALLINT cType = SQL_C_WCHAR;
  SQLSMALLINT sqlType = SQL_WVARCHAR;
  SQLULEN size = 1;
  SQLPOINTER data = nullptr;
  SQLLEN length = 0;
  if (auto* text = std::get_if<Text>(&parameter.buffer)) {
    size = std::max<SQLULEN>(text->size(), 1);
    sqlType = size > kLongestShortText ? SQL_WLONGVARCHAR : SQL_WVARCHAR;
    data = text->data();
    length = parameter.indicator;
  } else if (auto* value = std::get_if<double>(&parameter.buffer)) {
    cType = SQL_C_DOUBLE;
    sqlType = SQL_DOUBLE;
    size = 15;
    data = value;
  } else if (auto* timestamp = std::get_if<SQL_TIMESTAMP_STRUCT>(&parameter.buffer)) {
    cType = SQL_C_TYPE_TIMESTAMP;
    sqlType = SQL_TYPE_TIMESTAMP;
    size = kTimestampDigits;
    data = timestamp;
  }
  statement.check(library().SQLBindParameter(statement.get(), number, SQL_PARAM_INPUT, cType,
                                             sqlType, size, 0, data, length, &parameter.indicator),
                  "SQLBindParameter");
}

}  // namespace pillora::odbc
