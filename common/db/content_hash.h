#pragma once
// Content keys: XXH3 (xxHash, 128 bits) over bytes, written as 32 hexadecimal digits. Fast
// enough to key an Access file by all its bytes at every job (a few MB in about a
// millisecond), and wide enough that two different files never share a key in practice.
#include <memory>
#include <string>
#include <string_view>

namespace pillora {

class ContentHash {
 public:
  ContentHash();
  ContentHash(const ContentHash&) = delete;
  ContentHash& operator=(const ContentHash&) = delete;
  ~ContentHash();

  void add(std::string_view bytes);
  // The key of everything added so far.
  std::string hex() const;

 private:
  struct State;
  std::unique_ptr<State> m_state;
};

// The key of a file's bytes. FileError, naming the file and the system's reason, when it
// cannot be read.
std::string fileContentHash(const std::string& path);

}  // namespace pillora
