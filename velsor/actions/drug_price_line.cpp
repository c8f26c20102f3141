#include "velsor/actions/drug_price_line.h"

#include <algorithm>
#include <array>

#include "common/text/attempt.h"

namespace pillora {

namespace {

constexpr std::size_t kLastField = 14;

enum class Kind { Text, Price, Date, OptionalNumber };

struct Column {
  const char16_t* name;
  Kind kind;
};

// Fields 1 to 14, in file order.
constexpr std::array<Column, kLastField> kColumns{{
    {u"新", Kind::Text},
    {u"單複方註記", Kind::Text},
    {u"代碼", Kind::Text},
    {u"藥價參考金額", Kind::Price},
    {u"藥價參考日期", Kind::Date},
    {u"藥價參考截止日期", Kind::Date},
    {u"藥品英文名稱", Kind::Text},
    {u"藥品規格量", Kind::OptionalNumber},
    {u"藥品規格單位", Kind::Text},
    {u"成份", Kind::Text},
    {u"成份含量", Kind::OptionalNumber},
    {u"含量單位", Kind::Text},
    {u"藥品劑型", Kind::Text},
    {u"製造廠名稱", Kind::Text},
}};

using Fields = std::array<TextView, kLastField + 1>;

// Fields 0 to 14 of a line that adds a row: at least 15 fields (those past 14 ignored),
// field 0 not the header's "id", a price that is a number.
std::optional<Fields> usableFields(TextView line) {
  Fields fields;
  std::size_t from = 0;
  for (TextView& field : fields) {
    if (from > line.size()) return std::nullopt;
    const std::size_t tab = std::min(line.find(u'\t', from), line.size());
    field = line.substr(from, tab - from);
    from = tab + 1;
  }
  if (fields[0] == u"id" || !isNumeric(fields[4])) return std::nullopt;
  return fields;
}

// The column names as the record set takes them, made once.
const Text& columnName(std::size_t column) {
  static const std::array<Text, kLastField> names = [] {
    std::array<Text, kLastField> made;
    for (std::size_t i = 0; i < made.size(); ++i) made[i] = kColumns[i].name;
    return made;
  }();
  return names[column];
}

// The value to store; nothing when the field does not convert.
std::optional<FieldValue> convert(TextView field, Kind kind) {
  switch (kind) {
    case Kind::Text:
      return Text(field);
    case Kind::Date:
      if (const auto date = parseDate(field)) return *date;
      return std::nullopt;
    case Kind::OptionalNumber:
      if (!isNumeric(field)) return 0.0;
      [[fallthrough]];
    case Kind::Price: {
      std::optional<FieldValue> number;
      attempt([&] { number = toDouble(field); });  // beyond double range: left unset
      return number;
    }
  }
  return std::nullopt;
}

}  // namespace

bool addsDrugRow(TextView line) {
  return usableFields(line).has_value();
}

void insertDrugRecord(TextView line, Recordset& rs) {
  const std::optional<Fields> fields = usableFields(line);
  if (!fields) return;
  rs.AddNew();
  for (std::size_t i = 0; i < kColumns.size(); ++i) {
    if (auto value = convert((*fields)[i + 1], kColumns[i].kind)) {
      attempt([&] { rs.Field(columnName(i), std::move(*value)); });
    }
  }
  rs.Update();
}

}  // namespace pillora
