#pragma once
// The first page of an Access file: its signature, and the database password it keeps
// there. The password lies at 0x42, 20 bytes (Jet 3, one byte a character) or 40 bytes (Jet 4 and
// later, UTF-16), obscured by RC4 over the page from 0x18 and, from Jet 4 on, by a mask made of the
// file's creation date.
#include <cstddef>
#include <string_view>

#include "common/text/text.h"

namespace pillora {

// True when the bytes at the start of a file are those of a Jet or ACE database.
bool isJetHeader(std::string_view firstBytes);
// Number of bytes isJetHeader needs.
inline constexpr std::size_t kJetHeaderSize = 20;

// Bytes from the start of the file that the password needs.
inline constexpr std::size_t kJetPasswordHeaderSize = 0x7a;

// The stored password; empty for a file without one or a header too short to hold it.
Text storedJetPassword(std::string_view header);

}  // namespace pillora
