#include "common/text/text.h"

#include <algorithm>
#include <array>

namespace pillora {

namespace {

constexpr char16_t kReplacement = u'\uFFFD';

// Decodes one UTF-8 sequence starting at i; returns the code point or U+FFFD and
// advances i past what was consumed.
char32_t decodeUtf8(std::string_view s, size_t& i) {
  const auto lead = static_cast<unsigned char>(s[i++]);
  if (lead < 0x80) return lead;
  int extra = 0;
  char32_t cp = 0;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1;
    cp = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2;
    cp = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3;
    cp = lead & 0x07;
  } else {
    return kReplacement;
  }
  for (int k = 0; k < extra; ++k) {
    if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return kReplacement;
    cp = (cp << 6) | (static_cast<unsigned char>(s[i++]) & 0x3F);
  }
  static constexpr std::array<char32_t, 4> kMinimum{0, 0x80, 0x800, 0x10000};
  if (cp < kMinimum[static_cast<size_t>(extra)] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
    return kReplacement;
  return cp;
}

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

char16_t upperUnit(char16_t c) {
  if (c >= u'a' && c <= u'z') return static_cast<char16_t>(c - u'a' + u'A');
  if (c >= u'\uFF41' && c <= u'\uFF5A') return static_cast<char16_t>(c - 0xFF41 + 0xFF21);
  return c;
}

}  // namespace

std::filesystem::path pathFromUtf8(std::string_view utf8) {
  return {std::u8string(utf8.begin(), utf8.end())};
}

std::string pathToUtf8(const std::filesystem::path& path) {
  const std::u8string utf8 = path.u8string();
  return {utf8.begin(), utf8.end()};
}

Text fromUtf8(std::string_view utf8) {
  Text out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    const char32_t cp = decodeUtf8(utf8, i);
    if (cp >= 0x10000) {
      out += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
    } else {
      out += static_cast<char16_t>(cp);
    }
  }
  return out;
}

std::string toUtf8(TextView text) {
  std::string out;
  assignUtf8(out, text);
  return out;
}

void assignUtf8(std::string& out, TextView text) {
  out.clear();
  out.reserve(text.size() * 3);
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t cp = text[i];
    const bool high = cp >= 0xD800 && cp <= 0xDBFF;
    if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (text[++i] - 0xDC00);
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      cp = kReplacement;  // an unpaired surrogate has no UTF-8 form
    }
    appendUtf8(out, cp);
  }
}

Text left(TextView t, int n) {
  return Text(t.substr(0, static_cast<size_t>(std::max(n, 0))));
}

Text right(TextView t, int n) {
  const auto count = static_cast<size_t>(std::clamp(n, 0, len(t)));
  return Text(t.substr(t.size() - count));
}

Text mid(TextView t, int start, int count) {
  const auto from = static_cast<size_t>(std::max(start, 1) - 1);
  if (from >= t.size()) return {};
  return Text(t.substr(from, count < 0 ? TextView::npos : static_cast<size_t>(count)));
}

int find(TextView t, TextView what, int start) {
  const auto from = static_cast<size_t>(std::max(start, 1) - 1);
  if (from > t.size()) return 0;
  const size_t at = t.find(what, from);
  return at == TextView::npos ? 0 : static_cast<int>(at) + 1;
}

bool contains(TextView t, TextView what) {
  return t.find(what) != TextView::npos;
}
bool startsWith(TextView t, TextView prefix) {
  return t.substr(0, prefix.size()) == prefix;
}
bool endsWith(TextView t, TextView suffix) {
  return t.size() >= suffix.size() && t.substr(t.size() - suffix.size()) == suffix;
}

Text replaceAll(TextView t, TextView what, TextView with) {
  if (what.empty()) return Text(t);
  Text out;
  size_t from = 0;
  for (size_t at = t.find(what); at != TextView::npos; at = t.find(what, from)) {
    out.append(t.substr(from, at - from)).append(with);
    from = at + what.size();
  }
  return out.append(t.substr(from));
}

Text removeAll(TextView t, TextView what) {
  return replaceAll(t, what, u"");
}

std::vector<Text> textLines(TextView t) {
  Text text = replaceAll(replaceAll(t, u"\r\n", u"\n"), u"\r", u"\n");
  while (!text.empty() && text.back() == u'\n') text.pop_back();
  return split(text, u"\n");
}

bool hasLineBreak(TextView t) {
  return t.find_first_of(u"\r\n") != TextView::npos;
}

Text join(std::span<const Text> pieces, TextView separator) {
  Text joined;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    if (i > 0) joined += separator;
    joined += pieces[i];
  }
  return joined;
}

Text breaksAsBlanks(TextView t) {
  return hasLineBreak(t) ? join(textLines(t), u" ") : Text(t);
}

std::vector<Text> split(TextView t, TextView separator) {
  std::vector<Text> parts;
  if (separator.empty()) return {Text(t)};
  size_t from = 0;
  for (size_t at = t.find(separator); at != TextView::npos; at = t.find(separator, from)) {
    parts.emplace_back(t.substr(from, at - from));
    from = at + separator.size();
  }
  parts.emplace_back(t.substr(from));
  return parts;
}

TextView trimmed(TextView t, TextView blanks) {
  const size_t first = t.find_first_not_of(blanks);
  if (first == TextView::npos) return {};
  return t.substr(first, t.find_last_not_of(blanks) - first + 1);
}

Text upper(TextView t) {
  Text out(t);
  std::transform(out.begin(), out.end(), out.begin(), upperUnit);
  return out;
}

bool equalsIgnoreCase(TextView a, TextView b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(),
                    [](char16_t x, char16_t y) { return upperUnit(x) == upperUnit(y); });
}

}  // namespace pillora
