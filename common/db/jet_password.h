#pragma once
// The database password an Access file keeps in its first page. It lies at 0x42, 20 bytes
// (Jet 3, one byte a character) or 40 bytes (Jet 4 and later, UTF-16), obscured by RC4
// over the page from 0x18 and, from Jet 4 on, by a mask made of the file's creation date.
#include <cstddef>
#include <string_view>

#include "common/text/text.h"

namespace pillora {

// Bytes from the start of the file that the password needs.
inline constexpr std::size_t kJetPasswordHeaderSize = 0x7a;

// The stored password; empty for a file without one or a header too short to hold it.
Text storedJetPassword(std::string_view header);

}  // namespace pillora
