#include "pillora/profiletool/csv_encoding.h"

#include "common/text/codepage.h"
#include "pillora/profiletool/profile_csv.h"

namespace pillora {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr char16_t kReplacement = u'\uFFFD';

bool isUtf8(std::string_view bytes) {
  return toUtf8(fromUtf8(bytes)) == bytes;
}

bool isCp950(std::string_view bytes) {
  return decodeCp950(bytes).find(kReplacement) == Text::npos;
}

// The lines of the text, each with its LF (LF is never part of a two-byte CP950 character).
std::vector<std::string_view> physicalLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size() - 1) + 1;
    lines.push_back(text.substr(0, end));
    text.remove_prefix(end);
  }
  return lines;
}

[[noreturn]] void refuse(std::string_view bytes, bool (*valid)(std::string_view),
                         const std::string& what) {
  const std::vector<std::string_view> lines = physicalLines(bytes);
  std::size_t line = 0;
  while (line < lines.size() && valid(lines[line])) ++line;
  throw CsvError("line " + std::to_string(line + 1) + ": the text is " + what);
}

}  // namespace

std::optional<CsvEncoding> csvEncodingNamed(std::string_view name) {
  const Text asked = fromUtf8(name);
  if (equalsIgnoreCase(asked, u"utf-8")) return CsvEncoding::Utf8;
  if (equalsIgnoreCase(asked, u"cp950")) return CsvEncoding::Cp950;
  return std::nullopt;
}

std::string csvTextAsUtf8(std::string_view bytes, std::optional<CsvEncoding> asked,
                          std::vector<std::string>& notes) {
  if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
  if (asked != CsvEncoding::Cp950 && isUtf8(bytes)) return std::string(bytes);
  if (asked == CsvEncoding::Utf8) refuse(bytes, isUtf8, "not UTF-8");
  if (asked && !isCp950(bytes)) refuse(bytes, isCp950, "not CP950");
  if (!isCp950(bytes)) refuse(bytes, isUtf8, "neither UTF-8 nor CP950");
  if (!asked) notes.emplace_back("the text is not UTF-8 but CP950 (Big5): read as CP950");
  return toUtf8(decodeCp950(bytes));
}

std::string csvTextIn(std::string_view utf8, CsvEncoding encoding,
                      std::vector<std::string>& notes) {
  if (encoding == CsvEncoding::Utf8) return std::string(utf8);
  std::string bytes;
  int line = 1;
  for (const std::string_view each : physicalLines(utf8)) {
    const Text text = fromUtf8(each);
    const std::string encoded = encodeCp950(text);
    if (decodeCp950(encoded) != text) {
      notes.push_back("line " + std::to_string(line) +
                      ": characters CP950 cannot hold are written as \"?\"");
    }
    bytes += encoded;
    ++line;
  }
  return bytes;
}

}  // namespace pillora
