#pragma once
// The argument vector execve and posix_spawn take: the program, its arguments, a null pointer. The
// pointers point into the paths, which must outlive the vector.
#include <filesystem>
#include <vector>

namespace pillora {

inline std::vector<char*> argumentVector(const std::filesystem::path& program,
                                         const std::vector<std::filesystem::path>& arguments) {
  std::vector<char*> argv{const_cast<char*>(program.c_str())};  // NOLINT: argv is not written
  for (const auto& argument : arguments) {
    argv.push_back(const_cast<char*>(argument.c_str()));  // NOLINT: argv is not written
  }
  argv.push_back(nullptr);
  return argv;
}

}  // namespace pillora
