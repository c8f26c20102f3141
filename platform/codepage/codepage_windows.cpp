// Code page 950 through the Windows conversions, with the rules of the iconv port: a byte
// that does not start a valid character becomes U+FFFD and reading goes on after it; a
// character that code page 950 cannot hold becomes "?".
#include <windows.h>

#include <string>

#include "common/text/codepage.h"

namespace pillora {

namespace {

constexpr UINT kBig5 = 950;

// The UTF-16 of bytes that are all valid code page 950; nothing when one is not.
bool decodeStrict(std::string_view bytes, Text& out) {
  if (bytes.empty()) return true;
  const int size = static_cast<int>(bytes.size());
  const int length =
      MultiByteToWideChar(kBig5, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
  if (length == 0) return false;
  const std::size_t start = out.size();
  out.resize(start + static_cast<std::size_t>(length));
  MultiByteToWideChar(kBig5, MB_ERR_INVALID_CHARS, bytes.data(), size,
                      reinterpret_cast<wchar_t*>(out.data() + start), length);
  return true;
}

// The bytes of the character that starts at `at`: two for a lead byte followed by another
// byte, else one.
std::size_t characterSize(std::string_view bytes, std::size_t at) {
  const bool lead = IsDBCSLeadByteEx(kBig5, static_cast<BYTE>(bytes[at])) != 0;
  return lead && at + 1 < bytes.size() ? 2 : 1;
}

// Appends the code page 950 bytes of text when it can hold every character; false when not.
bool encodeStrict(TextView text, std::string& out) {
  if (text.empty()) return true;
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int size = static_cast<int>(text.size());
  BOOL usedDefault = FALSE;
  const int length = WideCharToMultiByte(kBig5, WC_NO_BEST_FIT_CHARS, wide, size, nullptr, 0,
                                         nullptr, &usedDefault);
  if (length == 0 || usedDefault != FALSE) return false;
  const std::size_t start = out.size();
  out.resize(start + static_cast<std::size_t>(length));
  WideCharToMultiByte(kBig5, WC_NO_BEST_FIT_CHARS, wide, size, out.data() + start, length, nullptr,
                      nullptr);
  return true;
}

}  // namespace

Text decodeCp950(std::string_view bytes) {
  Text text;
  if (decodeStrict(bytes, text)) return text;
  text.clear();
  for (std::size_t at = 0; at < bytes.size();) {
    const std::size_t size = characterSize(bytes, at);
    if (decodeStrict(bytes.substr(at, size), text)) {
      at += size;
    } else {
      text += u'\xFFFD';  // and go on after the one byte that could not be read
      ++at;
    }
  }
  return text;
}

std::string encodeCp950(TextView text) {
  std::string bytes;
  if (encodeStrict(text, bytes)) return bytes;
  bytes.clear();
  // A surrogate pair is one character: one "?" when the code page cannot hold it.
  for (std::size_t at = 0; at < text.size(); at += characterUnits(text, at)) {
    if (!encodeStrict(text.substr(at, characterUnits(text, at)), bytes)) bytes += '?';
  }
  return bytes;
}

}  // namespace pillora
