#include "velsor/actions/drug_price_line.h"

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

std::vector<TextView> splitFields(TextView line) {
  std::vector<TextView> fields;
  std::size_t from = 0;
  for (std::size_t tab = line.find(u'\t'); tab != TextView::npos; tab = line.find(u'\t', from)) {
    fields.push_back(line.substr(from, tab - from));
    from = tab + 1;
  }
  fields.push_back(line.substr(from));
  return fields;
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

std::optional<ColumnValues> drugRecordValues(TextView line) {
  const std::vector<TextView> fields = splitFields(line);
  if (fields.size() <= kLastField || fields[0] == u"id" || !isNumeric(fields[4])) {
    return std::nullopt;
  }
  ColumnValues values;
  for (std::size_t i = 0; i < kColumns.size(); ++i) {
    if (auto value = convert(fields[i + 1], kColumns[i].kind)) {
      values.emplace_back(kColumns[i].name, std::move(*value));
    }
  }
  return values;
}

void insertDrugRecord(TextView line, Recordset& rs) {
  const std::optional<ColumnValues> values = drugRecordValues(line);
  if (!values) return;
  rs.AddNew();
  for (const auto& field : *values) attempt([&] { rs.Field(field.first, field.second); });
  rs.Update();
}

}  // namespace pillora
