#include "common/db/insert_statement.h"

namespace pillora {

Text quotedName(TextView name, TextView quote) {
  if (quote.empty()) return Text(name);
  return Text(quote) + replaceAll(name, quote, Text(quote) + Text(quote)) + Text(quote);
}

Text insertStatement(TextView table, const ColumnValues& values, TextView quote) {
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

}  // namespace pillora
