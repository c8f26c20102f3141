#include "common/text/textfile.h"

#include <iconv.h>

#include <cerrno>
#include <fstream>
#include <iterator>
#include <memory>

#include "common/text/errors.h"

namespace pillora {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

struct IconvCloser {
  void operator()(iconv_t cd) const { iconv_close(cd); }
};
using Converter = std::unique_ptr<std::remove_pointer_t<iconv_t>, IconvCloser>;

Converter openConverter(const char* to, const char* from) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1))
    throw FileError(std::string("no converter from ") + from);
  return Converter(cd);
}

// One call of iconv over the whole input; returns false at an invalid or incomplete
// sequence, leaving in/inLeft at it.
bool convert(iconv_t cd, const char*& in, size_t& inLeft, std::string& out) {
  while (inLeft > 0) {
    char buffer[4096];
    char* outPtr = buffer;
    size_t outLeft = sizeof buffer;
    char* inPtr = const_cast<char*>(in);
    const size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    in = inPtr;
    out.append(buffer, static_cast<size_t>(outPtr - buffer));
    if (rc == static_cast<size_t>(-1) && errno != E2BIG) return false;
  }
  return true;
}

Text utf16leToText(const std::string& bytes) {
  Text text(bytes.size() / 2, u'\0');
  for (size_t i = 0; i < text.size(); ++i) {
    text[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                    (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
  }
  return text;
}

std::string textToUtf16le(TextView text) {
  std::string bytes;
  bytes.reserve(text.size() * 2);
  for (const char16_t c : text) {
    bytes += static_cast<char>(c & 0xFF);
    bytes += static_cast<char>(c >> 8);
  }
  return bytes;
}

}  // namespace

Text decodeCp950(std::string_view bytes) {
  const Converter cd = openConverter("UTF-16LE", "CP950");
  std::string out;
  const char* in = bytes.data();
  size_t inLeft = bytes.size();
  while (!convert(cd.get(), in, inLeft, out)) {
    out += "\xFD\xFF";  // U+FFFD, then go on after the one byte that could not be read
    ++in;
    --inLeft;
    iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);
  }
  return utf16leToText(out);
}

std::string encodeCp950(TextView text) {
  const Converter cd = openConverter("CP950", "UTF-16LE");
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    // A surrogate pair goes to the converter as one character.
    const bool pair = text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size();
    const std::string unit = textToUtf16le(text.substr(i, pair ? 2 : 1));
    const char* in = unit.data();
    size_t inLeft = unit.size();
    std::string encoded;
    if (convert(cd.get(), in, inLeft, encoded)) {
      out += encoded;
    } else {
      out += '?';
      iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);
    }
    if (pair) ++i;
  }
  return out;
}

Text decodeTextFile(std::string_view bytes) {
  if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) return fromUtf8(bytes.substr(kUtf8Bom.size()));
  return decodeCp950(bytes);
}

std::vector<Text> splitLines(TextView text) {
  std::vector<Text> lines;
  size_t from = 0;
  for (size_t at = text.find(u'\r'); at != TextView::npos; at = text.find(u'\r', from)) {
    lines.emplace_back(text.substr(from, at - from));
    from = at + 1;
    if (from < text.size() && text[from] == u'\n') ++from;
  }
  if (from < text.size()) lines.emplace_back(text.substr(from));
  return lines;
}

std::string readFileBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw FileError("file not found or not readable: " + path);
  std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (file.bad()) throw FileError("cannot read file: " + path);
  return bytes;
}

std::vector<Text> readTextLines(const std::string& path) {
  return splitLines(decodeTextFile(readFileBytes(path)));
}

void writeCp950Lines(const std::string& path, const std::vector<Text>& lines) {
  std::string bytes;
  for (const Text& line : lines) bytes += encodeCp950(line) + "\r\n";
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file.write(bytes.data(), static_cast<std::streamsize>(bytes.size())) || !file.flush()) {
    throw FileError("cannot write file: " + path);
  }
}

LineReader::LineReader(const std::string& path) : m_lines(readTextLines(path)) {}

Text LineReader::next() {
  if (atEnd()) throw FileError("input past end of file");
  return m_lines[m_next++];
}

}  // namespace pillora
