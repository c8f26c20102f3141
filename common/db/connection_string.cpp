#include "common/db/connection_string.h"

#include <algorithm>

#include "common/text/errors.h"

namespace pillora {

namespace {

// Reads one pair at a time from the text; every method leaves the position after what it
// consumed.
class PairScanner {
 public:
  explicit PairScanner(TextView text) : m_text(text) {}

  // Skips blanks and empty pairs; false at the end of the text.
  bool atNextPair() {
    while (m_pos < m_text.size() && (isSpaceOrTab(m_text[m_pos]) || m_text[m_pos] == u';')) ++m_pos;
    return m_pos < m_text.size();
  }

  Text key() {
    const size_t start = m_pos;
    while (m_pos < m_text.size() && m_text[m_pos] != u'=') {
      if (m_text[m_pos] == u';')
        fail(u"no \"=\" after \"" + Text(m_text.substr(start, m_pos - start)) + u"\"");
      ++m_pos;
    }
    if (m_pos == m_text.size()) fail(u"no \"=\" after \"" + Text(m_text.substr(start)) + u"\"");
    Text name = Text(trimmed(m_text.substr(start, m_pos - start), kSpaceAndTab));
    if (name.empty()) fail(u"a value without a key");
    ++m_pos;  // the "="
    return name;
  }

  Text value() {
    skipBlanks();
    if (m_pos < m_text.size() && (m_text[m_pos] == u'\'' || m_text[m_pos] == u'"')) {
      return quotedValue();
    }
    const size_t start = m_pos;
    while (m_pos < m_text.size() && m_text[m_pos] != u';') ++m_pos;
    return Text(trimmed(m_text.substr(start, m_pos - start), kSpaceAndTab));
  }

 private:
  Text quotedValue() {
    const char16_t quote = m_text[m_pos++];
    Text result;
    for (;;) {
      if (m_pos >= m_text.size()) fail(u"a quoted value without its closing quote");
      const char16_t c = m_text[m_pos++];
      if (c != quote) {
        result += c;
      } else if (m_pos < m_text.size() && m_text[m_pos] == quote) {
        result += quote;
        ++m_pos;
      } else {
        break;
      }
    }
    skipBlanks();
    if (m_pos < m_text.size() && m_text[m_pos] != u';') fail(u"text after a quoted value");
    return result;
  }

  void skipBlanks() {
    while (m_pos < m_text.size() && isSpaceOrTab(m_text[m_pos])) ++m_pos;
  }

  [[noreturn]] static void fail(const Text& what) {
    throw DatabaseError("malformed connection string: " + toUtf8(what));
  }

  TextView m_text;
  size_t m_pos = 0;
};

}  // namespace

ConnectionSettings ConnectionSettings::parse(TextView text) {
  ConnectionSettings result;
  PairScanner scanner(text);
  while (scanner.atNextPair()) {
    Text key = scanner.key();
    Text value = scanner.value();
    result.m_pairs.emplace_back(std::move(key), std::move(value));
  }
  return result;
}

std::optional<Text> ConnectionSettings::value(TextView key) const {
  const auto found = std::find_if(m_pairs.rbegin(), m_pairs.rend(), [key](const auto& pair) {
    return equalsIgnoreCase(pair.first, key);
  });
  if (found == m_pairs.rend()) return std::nullopt;
  return found->second;
}

}  // namespace pillora
