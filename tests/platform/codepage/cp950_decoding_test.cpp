// The table decoder against iconv's own converter, read byte by byte the way the programs
// always have: a byte that starts no character becomes U+FFFD and reading goes on after it.
#include <iconv.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <random>
#include <string>

#include "common/text/codepage.h"

namespace pillora {
namespace {

std::u16string throughIconv(std::string_view bytes) {
  iconv_t cd = iconv_open("UTF-16LE", "CP950");
  std::u16string text;
  char* in = const_cast<char*>(bytes.data());
  size_t inLeft = bytes.size();
  while (inLeft > 0) {
    std::array<char16_t, 64> buffer{};
    char* out = reinterpret_cast<char*>(buffer.data());
    size_t outLeft = sizeof buffer;
    const size_t rc = iconv(cd, &in, &inLeft, &out, &outLeft);
    const int error = errno;
    text.append(buffer.data(), (sizeof buffer - outLeft) / 2);
    if (rc == static_cast<size_t>(-1) && error != E2BIG) {
      text += u'\xFFFD';
      ++in;
      --inLeft;
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
  }
  iconv_close(cd);
  return text;
}

std::string bytesOf(std::initializer_list<unsigned> values) {
  std::string bytes;
  for (const unsigned value : values) bytes += static_cast<char>(value);
  return bytes;
}

// Every byte alone and every byte pair: valid pairs, lead bytes with an invalid trail
// byte, a lead byte cut off at the end, bytes that start nothing.
TEST(Cp950Decoding, EveryByteAndBytePairReadsAsIconvReadsIt) {
  int differing = 0;
  for (unsigned first = 0; first < 256; ++first) {
    const std::string single = bytesOf({first});
    if (decodeCp950(single) != throughIconv(single)) ++differing;
    for (unsigned second = 0; second < 256; ++second) {
      const std::string pair = bytesOf({first, second});
      const std::u16string expected = throughIconv(pair);
      if (decodeCp950(pair) != expected) {
        ADD_FAILURE() << std::hex << first << " " << second;
        if (++differing > 20) return;
      }
    }
  }
  EXPECT_EQ(differing, 0);
}

// Runs of random bytes, most of them in the lead-byte range: sequences of pairs that
// overlap after an invalid trail byte.
TEST(Cp950Decoding, RandomBytesReadAsIconvReadsThem) {
  std::mt19937 random(950);
  std::uniform_int_distribution<unsigned> byte(0, 255);
  std::uniform_int_distribution<unsigned> lead(0xA1, 0xF9);
  for (int run = 0; run < 200; ++run) {
    std::string bytes;
    for (int i = 0; i < 501; ++i) bytes += static_cast<char>(i % 3 == 0 ? lead(random) : byte(random));
    ASSERT_EQ(decodeCp950(bytes), throughIconv(bytes)) << "run " << run;
  }
}

TEST(Cp950Decoding, KnownTextAndReplacements) {
  EXPECT_EQ(decodeCp950(""), u"");
  EXPECT_EQ(decodeCp950("\xC3\xC4\xA7\xBD\r\n"), u"藥局\r\n");
  EXPECT_EQ(decodeCp950("\xA4\xFF\xA4"), u"\uFFFD\uFFFD\uFFFD");
}

}  // namespace
}  // namespace pillora
