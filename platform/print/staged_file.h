#pragma once
// A file written in full under a temporary name beside the name it is meant to have, then
// given that name in one step: no half-written file ever carries the name. The temporary
// file is removed again unless it was given its name.
#include <filesystem>
#include <string>
#include <utility>

namespace pillora {

class StagedFile {
 public:
  // Writes the bytes into the folder of `path`; PrinterError ("cannot write <path>: ...")
  // when they cannot be written.
  StagedFile(const std::filesystem::path& path, const std::string& bytes);
  StagedFile(StagedFile&& other) noexcept : m_temporary(std::exchange(other.m_temporary, {})) {}
  StagedFile(const StagedFile&) = delete;
  StagedFile& operator=(const StagedFile&) = delete;
  StagedFile& operator=(StagedFile&&) = delete;
  ~StagedFile();

  // Gives the file the name `path` unless a file of that name exists already (false then,
  // and the file stays staged). PrinterError for any other failure.
  bool moveToNewName(const std::filesystem::path& path);
  // Gives the file the name `path`, replacing a file of that name. PrinterError on failure.
  void moveReplacing(const std::filesystem::path& path);

 private:
  std::filesystem::path m_temporary;  // empty once the file has its name
};

}  // namespace pillora
