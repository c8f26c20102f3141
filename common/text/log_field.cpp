#include "common/text/log_field.h"

#include <string_view>

namespace pillora {

namespace {

constexpr std::string_view kEscaped("\\\t\r\n\0", 5);

char escapeLetter(char c) {
  switch (c) {
    case '\t':
      return 't';
    case '\r':
      return 'r';
    case '\n':
      return 'n';
    case '\0':
      return '0';
    default:
      return c;  // the backslash itself
  }
}

}  // namespace

std::string escapeLogField(TextView text) {
  const std::string utf8 = toUtf8(text);
  std::string out;
  out.reserve(utf8.size());
  // Runs of ordinary characters are copied whole: a field is mostly text.
  std::size_t from = 0;
  for (std::size_t at = utf8.find_first_of(kEscaped); at != std::string::npos;
       at = utf8.find_first_of(kEscaped, from)) {
    out.append(utf8, from, at - from).append({'\\', escapeLetter(utf8[at])});
    from = at + 1;
  }
  return out.append(utf8, from);
}

}  // namespace pillora
