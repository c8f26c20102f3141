#pragma once
// The CSV file a database is built from.
#include <cstdint>
#include <string>

namespace pillora {

// Far more than the profiles of every drug there is; a larger file is no profile list.
inline constexpr std::uintmax_t kProfileInputMost = std::uintmax_t{256} * 1024 * 1024;

// The bytes of an ordinary file of at most kProfileInputMost bytes. FileError naming the file
// and the reason for anything else (a device, a pipe, a folder, a larger file), told before
// a byte is read: input that never ends is not waited for.
std::string readProfileInput(const std::string& path);

}  // namespace pillora
