#pragma once
// Text of the programs: UTF-16 code units. Every length, cut and position counts code
// units, so a Chinese character and a Latin letter count alike (and a character outside
// the basic plane counts two). Positions given to mid() are 1-based as in the system's
// own procedures; find() returns 1-based positions and 0 when absent.
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pillora {

using Text = std::u16string;
using TextView = std::u16string_view;

// UTF-8 <-> UTF-16 at library boundaries. Invalid UTF-8 becomes U+FFFD.
Text fromUtf8(std::string_view utf8);
std::string toUtf8(TextView text);
// The same into out, whose storage is reused: for converting value after value.
void assignUtf8(std::string& out, TextView text);

// The programs keep paths as UTF-8 text; the file system gets them as paths built from
// UTF-8 (UTF-16 on Windows, never the ANSI code page).
std::filesystem::path pathFromUtf8(std::string_view utf8);
std::string pathToUtf8(const std::filesystem::path& path);

// The code units of the character that starts at `at`: 2 for a surrogate pair, else 1.
inline std::size_t characterUnits(TextView t, std::size_t at) {
  const bool high = t[at] >= 0xD800 && t[at] <= 0xDBFF;
  const bool lowNext = at + 1 < t.size() && t[at + 1] >= 0xDC00 && t[at + 1] <= 0xDFFF;
  return high && lowNext ? 2 : 1;
}

inline int len(TextView t) {
  return static_cast<int>(t.size());
}
// First n code units (all of the text when shorter; none when n <= 0).
Text left(TextView t, int n);
// Last n code units.
Text right(TextView t, int n);
// From 1-based position start, at most count code units (all the rest when count < 0).
Text mid(TextView t, int start, int count = -1);
// 1-based position of the first occurrence of what at or after 1-based start; 0 if absent.
int find(TextView t, TextView what, int start = 1);
bool contains(TextView t, TextView what);
bool startsWith(TextView t, TextView prefix);
bool endsWith(TextView t, TextView suffix);
Text replaceAll(TextView t, TextView what, TextView with);
Text removeAll(TextView t, TextView what);
// Split at every separator; an empty text gives one empty piece.
std::vector<Text> split(TextView t, TextView separator);
// The pieces with the separator between each two.
Text join(std::span<const Text> pieces, TextView separator);
// A text's lines: split at every CR LF, lone CR and lone LF (one line break each), those at
// its end dropped; a text without line breaks is its one line.
std::vector<Text> textLines(TextView t);
// Whether a text holds a CR or LF.
bool hasLineBreak(TextView t);
// The lines of a text joined by one blank each: the text as it is drawn on one line.
Text breaksAsBlanks(TextView t);
// The blanks of number texts and connection strings: U+0020 and TAB.
inline constexpr TextView kSpaceAndTab = u" \t";
inline bool isSpaceOrTab(char16_t c) {
  return kSpaceAndTab.find(c) != TextView::npos;
}
// Leading and trailing characters of `blanks` removed.
TextView trimmed(TextView t, TextView blanks);
// Leading and trailing blanks (U+0020 only) removed.
inline Text trimBlanks(TextView t) {
  return Text(trimmed(t, u" "));
}
// Letters upper-cased (ASCII and full-width Latin letters).
Text upper(TextView t);
// Equal once both are folded as upper() folds them; everything else exact.
bool equalsIgnoreCase(TextView a, TextView b);

}  // namespace pillora
