#include "common/db/insert_statement.h"

#include <algorithm>

namespace pillora {

Text quotedName(TextView name, TextView quote) {
  if (quote.empty()) return Text(name);
  return Text(quote) + replaceAll(name, quote, Text(quote) + Text(quote)) + Text(quote);
}

Text insertStatement(TextView table, RowValues values, TextView quote) {
  const Text into = u"INSERT INTO " + quotedName(table, quote);
  if (values.empty()) return into + u" DEFAULT VALUES";
  Text names;
  Text places;
  for (const auto& [column, value] : values) {
    names += (names.empty() ? u"" : u", ") + quotedName(column, quote);
    places += places.empty() ? u"?" : u", ?";
  }
  return into + u" (" + names + u") VALUES (" + places + u")";
}

bool InsertColumns::changeTo(TextView table, RowValues values) {
  const bool same =
      m_known && m_table == table &&
      std::equal(m_columns.begin(), m_columns.end(), values.begin(), values.end(),
                 [](const Text& column, const auto& value) { return column == value.first; });
  if (same) return false;
  m_table = Text(table);
  m_columns.clear();
  for (const auto& value : values) m_columns.push_back(value.first);
  m_known = true;
  return true;
}

}  // namespace pillora
