#pragma once
// Whole files as bytes, for tests that make and check the files a program works on.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace pillora::testing {

inline std::string fileBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// Writes a file, making its folder first.
inline void writeBytes(const std::filesystem::path& file, const std::string& bytes) {
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << bytes;
}

}  // namespace pillora::testing
