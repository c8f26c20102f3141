#pragma once
// Starting another program without waiting for it: it runs in a session of its own with
// empty standard input and output, so it goes on after this program has ended.
#include <filesystem>
#include <vector>

namespace pillora {

// FileError when the program cannot be started.
void startDetached(const std::filesystem::path& program,
                   const std::vector<std::filesystem::path>& arguments);

}  // namespace pillora
