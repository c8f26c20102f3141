// Code page 950 through iconv (glibc).
#include <iconv.h>

#include <array>
#include <cerrno>
#include <memory>
#include <string>

#include "common/text/codepage.h"
#include "common/text/errors.h"

namespace pillora {

namespace {

struct IconvCloser {
  void operator()(iconv_t cd) const { iconv_close(cd); }
};
using Converter = std::unique_ptr<std::remove_pointer_t<iconv_t>, IconvCloser>;

Converter openConverter(const char* to, const char* from) {
  iconv_t cd = iconv_open(to, from);
  // iconv_open reports failure as the value (iconv_t)-1.
  if (cd == reinterpret_cast<iconv_t>(-1)) {  // NOLINT(performance-no-int-to-ptr)
    throw FileError(std::string("no converter from ") + from);
  }
  return Converter(cd);
}

// One call of iconv over the whole input; returns false at an invalid or incomplete
// sequence, leaving in/inLeft at it.
bool convert(iconv_t cd, const char*& in, size_t& inLeft, std::string& out) {
  while (inLeft > 0) {
    std::array<char, 4096> buffer{};
    char* outPtr = buffer.data();
    size_t outLeft = buffer.size();
    char* inPtr = const_cast<char*>(in);
    const size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    in = inPtr;
    out.append(buffer.data(), static_cast<size_t>(outPtr - buffer.data()));
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
    const std::size_t units = characterUnits(text, i);
    const std::string unit = textToUtf16le(text.substr(i, units));
    const char* in = unit.data();
    size_t inLeft = unit.size();
    std::string encoded;
    if (convert(cd.get(), in, inLeft, encoded)) {
      out += encoded;
    } else {
      out += '?';
      iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);
    }
    i += units - 1;
  }
  return out;
}

}  // namespace pillora
