#include "common/db/jet_password.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

namespace pillora {

namespace {

constexpr std::size_t kObscuredStart = 0x18;
constexpr std::size_t kVersionOffset = 0x14;
constexpr std::size_t kPasswordOffset = 0x42;
constexpr std::size_t kCreationDateOffset = 0x72;
constexpr std::array<std::uint8_t, 4> kHeaderKey{0xc7, 0xda, 0x39, 0x6b};

// RC4 over bytes, in place: the cipher Jet uses to obscure its first page.
void rc4(const std::array<std::uint8_t, 4>& key, std::string& bytes) {
  std::array<std::uint8_t, 256> state{};
  for (std::size_t i = 0; i < state.size(); ++i) state[i] = static_cast<std::uint8_t>(i);
  std::uint8_t j = 0;
  for (std::size_t i = 0; i < state.size(); ++i) {
    j = static_cast<std::uint8_t>(j + state[i] + key[i % key.size()]);
    std::swap(state[i], state[j]);
  }
  std::uint8_t i = 0;
  j = 0;
  for (char& byte : bytes) {
    i = static_cast<std::uint8_t>(i + 1);
    j = static_cast<std::uint8_t>(j + state[i]);
    std::swap(state[i], state[j]);
    byte = static_cast<char>(static_cast<std::uint8_t>(byte) ^
                             state[static_cast<std::uint8_t>(state[i] + state[j])]);
  }
}

// Jet 4 masks the password with the whole days of the creation date, little-endian.
void removeDateMask(std::string& password, std::string_view dateBytes) {
  double date = 0;
  std::memcpy(&date, dateBytes.data(), sizeof date);
  const bool usable = std::isfinite(date) && std::fabs(date) < 2147483648.0;
  const auto mask = static_cast<std::uint32_t>(usable ? static_cast<std::int32_t>(date) : 0);
  for (std::size_t i = 0; i < password.size(); ++i) {
    password[i] = static_cast<char>(password[i] ^ static_cast<char>(mask >> (8 * (i % 4))));
  }
}

}  // namespace

bool isJetHeader(std::string_view firstBytes) {
  return firstBytes.size() >= kJetHeaderSize &&
         firstBytes.substr(0, 4) == std::string_view("\0\1\0\0", 4) &&
         (firstBytes.substr(4, 15) == "Standard Jet DB" ||
          firstBytes.substr(4, 15) == "Standard ACE DB");
}

Text storedJetPassword(std::string_view header) {
  if (header.size() < kJetPasswordHeaderSize) return {};
  std::string page(header.substr(kObscuredStart, kJetPasswordHeaderSize - kObscuredStart));
  rc4(kHeaderKey, page);
  const auto at = [](std::size_t offset) { return offset - kObscuredStart; };
  Text password;
  if (header[kVersionOffset] == 0) {  // Jet 3
    for (const char c : page.substr(at(kPasswordOffset), 20)) {
      if (c == '\0') break;
      password += static_cast<char16_t>(static_cast<std::uint8_t>(c));
    }
    return password;
  }
  std::string bytes = page.substr(at(kPasswordOffset), 40);
  removeDateMask(bytes, std::string_view(page).substr(at(kCreationDateOffset), 8));
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto unit = static_cast<char16_t>(static_cast<std::uint8_t>(bytes[i]) |
                                            static_cast<std::uint8_t>(bytes[i + 1]) << 8);
    if (unit == 0) break;
    password += unit;
  }
  return password;
}

}  // namespace pillora
