#pragma once
// Access (Jet) files read by the helper program "pillora-access-copy", installed beside the
// program (run from the build tree before): a child process that copies the file into an
// SQLite file and dies with the process that started it. This process waits for it at most
// 20 s; the reader itself stays within 1 GiB of memory and 30 s of processor time. A damaged
// file can crash or hang the reader, never the program that asked; libmdb's warnings stay in
// the child.
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace pillora {

inline constexpr auto kReaderTimeLimit = std::chrono::seconds(20);

// Reads file (the tables named, every user table when none are) into target, an empty file
// made for the copy. DatabaseError, one line naming the
// Access file, when the file cannot be read whole (the reader crashed, ran out of time or
// refused it, or cannot be started); CopyNotWritten (common/db/access_copy.h) when the copy
// cannot be written.
void readAccessFile(const std::filesystem::path& file, const std::filesystem::path& target,
                    const std::vector<std::string>& tables = {});

}  // namespace pillora
