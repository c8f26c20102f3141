#pragma once
// A file written in full under a temporary name beside the name it is meant to have, flushed
// to the disk, then given that name in one step: no half-written file ever carries the name.
// The temporary file is always a new one (never a link or another's file of that name), and
// a link under the final name is replaced, not followed. The temporary file is removed again
// unless it was given its name.
#include <filesystem>
#include <string>
#include <utility>

namespace pillora {

class StagedFile {
 public:
  // Who may read the file: everyone the folder lets (documents), or its owner alone
  // (files in a folder other users share). On Windows the folder's permissions apply.
  enum class Access { Shared, Private };

  // Writes the bytes into the folder of `path`; FileError ("cannot write <path>: ...")
  // when they cannot be written.
  StagedFile(const std::filesystem::path& path, const std::string& bytes,
             Access access = Access::Shared);
  StagedFile(StagedFile&& other) noexcept : m_temporary(std::exchange(other.m_temporary, {})) {}
  StagedFile(const StagedFile&) = delete;
  StagedFile& operator=(const StagedFile&) = delete;
  StagedFile& operator=(StagedFile&&) = delete;
  ~StagedFile();

  // Gives the file the name `path` unless a file of that name exists already (false then,
  // and the file stays staged). FileError for any other failure.
  bool moveToNewName(const std::filesystem::path& path);
  // Gives the file the name `path`, replacing a file of that name. FileError on failure.
  void moveReplacing(const std::filesystem::path& path);

 private:
  std::filesystem::path m_temporary;  // empty once the file has its name
};

}  // namespace pillora
