#include "pillora/startup/profile_query.h"

#include <algorithm>
#include <map>
#include <set>

#include "common/text/convert.h"

namespace pillora {

namespace {

// Characters that make a pattern in LIKE, in SQLite's dialect or in Jet's.
constexpr TextView kPatternCharacters = u"%_[*?#";

// A ".ndrg" search: the code's first character, and the endings of which the code must
// have one.
struct SearchPattern {
  Text first;
  std::vector<Text> endings;
};

// Text placed inside an SQL string literal.
Text sqlLiteral(TextView text) {
  return u"'" + replaceAll(text, u"'", u"''") + u"'";
}

SearchPattern searchPattern(const Text& key) {
  const Text middle = mid(key, 3, 8);
  const Text suffix = right(middle, 2);
  if (suffix == u"00" || suffix == u"G0") {
    const Text stem = left(middle, 6);
    return {left(key, 1), {stem + u"00", stem + u"G0"}};
  }
  return {left(key, 1), {middle}};
}

// The texts are joined exactly so: two blanks after AND and after OR.
Text searchCondition(const SearchPattern& pattern) {
  std::vector<Text> endings;
  for (const Text& ending : pattern.endings) {
    endings.push_back(u"藥品代碼 LIKE " + sqlLiteral(u"%" + ending));
  }
  return u"藥品代碼 LIKE " + sqlLiteral(pattern.first + u"%") + u" AND  (" +
         join(endings, u" OR  ") + u")";
}

// The number of characters SQLite counts in a text: its code points.
std::size_t sqliteLength(const Text& text) {
  const std::string utf8 = toUtf8(text);
  return static_cast<std::size_t>(
      std::count_if(utf8.begin(), utf8.end(), [](char byte) { return (byte & 0xC0) != 0x80; }));
}

// Rows whose code ends with one of the endings, letter case ignored as LIKE ignores it.
Text endingFilter(const std::vector<SearchPattern>& patterns) {
  std::map<std::size_t, std::set<Text>> byLength;
  for (const SearchPattern& pattern : patterns) {
    for (const Text& ending : pattern.endings) byLength[sqliteLength(ending)].insert(ending);
  }
  std::vector<Text> tests;
  for (const auto& [length, endings] : byLength) {
    std::vector<Text> literals;
    for (const Text& ending : endings) literals.push_back(sqlLiteral(ending));
    tests.push_back(u"substr(藥品代碼, -" + fromUtf8(decimal(static_cast<std::int64_t>(length))) +
                    u") COLLATE NOCASE IN (" + join(literals, u", ") + u")");
  }
  return join(tests, u" OR ");
}

}  // namespace

Text searchKey(const Text& code) {
  Text key = left(code, 10);
  if (len(key) >= 2 && mid(key, len(key) - 1, 1) == u"G") key = left(key, len(key) - 2) + u"00";
  return key;
}

bool holdsPatternCharacter(TextView code) {
  return code.find_first_of(kPatternCharacters) != TextView::npos;
}

bool isSearchableKey(const Text& key) {
  return !mid(key, 3).empty() && !holdsPatternCharacter(key);
}

Text profileSearchQuery(const Text& code) {
  return u"SELECT * FROM tblDrugBag WHERE " + searchCondition(searchPattern(searchKey(code)));
}

Text drgProfileQuery(const Text& code) {
  return u"SELECT tblDrugBag.* FROM tblDrugBag WHERE  藥品代碼 = " + sqlLiteral(code);
}

Text scanMatchColumn(std::size_t index) {
  return u"pillora_match" + fromUtf8(decimal(static_cast<std::int64_t>(index)));
}

// The match columns come first: a column is found by its first name, so one of the table's
// own of the same name could not stand in for them.
Text profileScanQuery(const std::vector<Text>& keys) {
  std::vector<SearchPattern> patterns;
  Text query = u"SELECT ";
  for (std::size_t i = 0; i < keys.size(); ++i) {
    patterns.push_back(searchPattern(keys[i]));
    query += u"(" + searchCondition(patterns.back()) + u") AS " + scanMatchColumn(i) + u", ";
  }
  return query + u"tblDrugBag.* FROM tblDrugBag WHERE " + endingFilter(patterns);
}

Text profileScanOrderProbe() {
  return u"SELECT count(*) AS n FROM sqlite_master WHERE tbl_name = 'tblDrugBag' COLLATE NOCASE "
         u"AND (type <> 'table' OR sql LIKE 'CREATE VIRTUAL%')";
}

}  // namespace pillora
