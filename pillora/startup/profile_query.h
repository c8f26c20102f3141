#pragma once
// The SQL texts of the drug-profile lookups. Job data enters them only as SQL string literals,
// each quote doubled.
//
// A ".ndrg" drug is searched by a key made from its code: at most the first 10 characters, a
// next-to-last "G" read as the package suffix "00". Its condition matches the rows whose code
// has the key's first character and ends with the key's characters 3 to 10, where the
// package suffixes "00" and "G0" stand for each other; letter case is the engine's concern.
#include <cstddef>
#include <vector>

#include "common/text/text.h"

namespace pillora {

// The ".ndrg" search key of a code without surrounding blanks.
Text searchKey(const Text& code);
// A code that holds a LIKE pattern character ("%", "_", "[", "*", "?", "#") would search for
// other drugs' codes: it is not searched at all.
bool holdsPatternCharacter(TextView code);
// A key without characters from the third on would match any drug; one with a pattern
// character is not searched either.
bool isSearchableKey(const Text& key);

// The query of the ".ndrg" lookup for a code without surrounding blanks.
Text profileSearchQuery(const Text& code);
// The exact-match query of the ".drg" lookup.
Text drgProfileQuery(const Text& code);

// Most keys one scan query carries. Each adds a column, evaluated on every row the scan
// returns, and more keys return more rows: past about a hundred keys two scans cost less than
// one (a 1,000-drug job on 20,000 rows: 3 scans of 400 keys take 60 % longer than 8 of 128).
inline constexpr std::size_t kKeysPerScan = 128;

// One scan of the profile table for the searchable keys of many drugs (at most kKeysPerScan):
// every row that may match one of them, in the order a scan of the table delivers rows, with
// the column scanMatchColumn(i) true ("1") exactly where the condition of profileSearchQuery
// for keys[i] holds. The WHERE clause only narrows the scan to rows whose code ends as one of
// the keys asks (SQLite's substr, letter case ignored as LIKE ignores it); the match columns
// decide.
Text profileScanQuery(const std::vector<Text>& keys);
Text scanMatchColumn(std::size_t index);

// One row with the column "n": the number of schema objects of the profile table other than
// a plain table (an index, a view or virtual table of that name...). With none, each drug's
// own query scans the table as profileScanQuery does, and the first row matching a drug is
// the same for both. Answered by SQLite's schema table only.
Text profileScanOrderProbe();

}  // namespace pillora
