// Code page 950 through iconv (glibc). Decoding reads a table of every single byte and
// every byte pair, filled from iconv once per process: a price file of some 30,000 lines
// decodes several times faster than through iconv's converter itself.
#include <iconv.h>

#include <array>
#include <cerrno>
#include <memory>
#include <string>
#include <vector>

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

constexpr char32_t kNoCharacter = 0xFFFFFFFF;
constexpr char32_t kLeadByte = 0xFFFFFFFE;

// The one character iconv reads from bytes; kLeadByte when they are the incomplete start of
// one, kNoCharacter when they are no character.
char32_t readCharacter(iconv_t cd, std::string_view bytes) {
  std::array<char, 8> buffer{};
  char* in = const_cast<char*>(bytes.data());
  size_t inLeft = bytes.size();
  char* out = buffer.data();
  size_t outLeft = buffer.size();
  const size_t rc = iconv(cd, &in, &inLeft, &out, &outLeft);
  const int error = errno;
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  if (rc == static_cast<size_t>(-1)) return error == EINVAL ? kLeadByte : kNoCharacter;
  if (inLeft != 0 || buffer.size() - outLeft != sizeof(char32_t)) return kNoCharacter;
  char32_t character = 0;
  for (std::size_t i = sizeof(char32_t); i-- > 0;) {
    character = (character << 8) | static_cast<unsigned char>(buffer[i]);
  }
  return character;
}

// What iconv reads from every single byte and from every lead byte followed by any byte.
class Cp950Table {
 public:
  Cp950Table() : m_pairs(std::size_t{256} * 256, kNoCharacter) {
    const Converter cd = openConverter("UTF-32LE", "CP950");
    for (unsigned lead = 0; lead < 256; ++lead) {
      m_single[lead] = readCharacter(cd.get(), std::string(1, static_cast<char>(lead)));
      if (m_single[lead] != kLeadByte) continue;
      for (unsigned trail = 0; trail < 256; ++trail) {
        const std::array<char, 2> pair{static_cast<char>(lead), static_cast<char>(trail)};
        m_pairs[lead << 8 | trail] = readCharacter(cd.get(), {pair.data(), pair.size()});
      }
    }
  }
  // The character of a byte alone: kLeadByte when it starts a pair.
  char32_t single(unsigned char byte) const { return m_single[byte]; }
  char32_t pair(unsigned char lead, unsigned char trail) const {
    return m_pairs[static_cast<unsigned>(lead) << 8 | trail];
  }

 private:
  std::array<char32_t, 256> m_single{};
  std::vector<char32_t> m_pairs;
};

// Writes the UTF-16 of a character at out; returns the code units written.
std::size_t putCharacter(char16_t* out, char32_t character) {
  if (character < 0x10000) {
    out[0] = static_cast<char16_t>(character);
    return 1;
  }
  character -= 0x10000;
  out[0] = static_cast<char16_t>(0xD800 + (character >> 10));
  out[1] = static_cast<char16_t>(0xDC00 + (character & 0x3FF));
  return 2;
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
  static const Cp950Table table;
  // No character takes more code units than bytes.
  Text text(bytes.size(), u'\0');
  std::size_t units = 0;
  for (std::size_t at = 0; at < bytes.size();) {
    const auto byte = static_cast<unsigned char>(bytes[at]);
    char32_t character = table.single(byte);
    std::size_t size = 1;
    if (character == kLeadByte) {
      character = kNoCharacter;
      if (at + 1 < bytes.size()) {
        character = table.pair(byte, static_cast<unsigned char>(bytes[at + 1]));
      }
      if (character != kNoCharacter) size = 2;
    }
    // A byte that starts no character becomes U+FFFD; reading goes on after it.
    units += putCharacter(&text[units], character == kNoCharacter ? U'\xFFFD' : character);
    at += size;
  }
  text.resize(units);
  text.shrink_to_fit();  // the lines of a file are all kept: none holds more than it needs
  return text;
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
