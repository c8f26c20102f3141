#pragma once
// The system's ANSI code page, 950 (Big5), converted to and from the programs' text. The
// conversion is the platform's (iconv on Linux).
#include <string>
#include <string_view>

#include "common/text/text.h"

namespace pillora {

// Bytes that are not valid code page 950 become U+FFFD.
Text decodeCp950(std::string_view bytes);
// Characters that code page 950 cannot hold become "?".
std::string encodeCp950(TextView text);

}  // namespace pillora
