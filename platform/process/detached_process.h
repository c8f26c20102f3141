#pragma once
// Starting another program without waiting for it, so it goes on after this program has
// ended: on Linux in a session of its own with empty standard input and output; on Windows
// with a console of its own, its window minimized, no handles inherited. A Windows batch
// file is started by its own path (the system runs it with its command interpreter).
#include <filesystem>
#include <vector>

namespace pillora {

// FileError when the program cannot be started.
void startDetached(const std::filesystem::path& program,
                   const std::vector<std::filesystem::path>& arguments);

}  // namespace pillora
