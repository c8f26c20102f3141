#include "common/db/content_hash.h"

#include <xxhash.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "common/text/errors.h"

namespace pillora {

struct ContentHash::State {
  State() : xxh(XXH3_createState()) {
    if (xxh == nullptr || XXH3_128bits_reset(xxh) != XXH_OK) throw std::bad_alloc();
  }
  State(const State&) = delete;
  State& operator=(const State&) = delete;
  ~State() { XXH3_freeState(xxh); }

  XXH3_state_t* xxh;
};

ContentHash::ContentHash() : m_state(std::make_unique<State>()) {}

ContentHash::~ContentHash() = default;

void ContentHash::add(std::string_view bytes) {
  XXH3_128bits_update(m_state->xxh, bytes.data(), bytes.size());
}

std::string ContentHash::hex() const {
  XXH128_canonical_t canonical{};
  XXH128_canonicalFromHash(&canonical, XXH3_128bits_digest(m_state->xxh));
  constexpr std::string_view kDigits = "0123456789abcdef";
  std::string text;
  for (const unsigned char byte : canonical.digest) {
    text += kDigits[byte >> 4U];
    text += kDigits[byte & 0xfU];
  }
  return text;
}

std::string fileContentHash(const std::string& path) {
  struct Closer {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };
  const std::unique_ptr<std::FILE, Closer> file(std::fopen(path.c_str(), "rb"));
  if (file == nullptr) throw FileError("cannot read " + path + ": " + std::strerror(errno));
  ContentHash hash;
  std::array<char, 65536> buffer{};
  while (const std::size_t count = std::fread(buffer.data(), 1, buffer.size(), file.get())) {
    hash.add(std::string_view(buffer.data(), count));
  }
  if (std::ferror(file.get()) != 0) {
    throw FileError("cannot read " + path + ": " + std::strerror(errno));
  }
  return hash.hex();
}

}  // namespace pillora
