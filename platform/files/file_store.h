#pragma once
// The file operations the update actions make in the host application's folder: existence
// tests, one folder level, deletion, and copies that never leave a half-written file under
// the name of the file they replace. Virtual so that a test can make one operation fail as
// a locked or damaged disk would.
#include <filesystem>
#include <optional>

namespace pillora {

class FileStore {
 public:
  FileStore() = default;
  FileStore(const FileStore&) = delete;
  FileStore& operator=(const FileStore&) = delete;
  virtual ~FileStore() = default;

  virtual bool isFolder(const std::filesystem::path& path) const;
  virtual bool isFile(const std::filesystem::path& path) const;
  // Creates one folder level; FileError when it cannot.
  virtual void makeFolder(const std::filesystem::path& path);
  // Deletes an ordinary file; FileError when it cannot. A file that is not there is no error.
  virtual void remove(const std::filesystem::path& path);
  // Copies `from` in full to a temporary name beside `to` and returns that name; the
  // partial copy is removed again when the copy fails (FileError).
  virtual std::filesystem::path stageCopy(const std::filesystem::path& from,
                                          const std::filesystem::path& to);
  // Gives a staged copy its name in one step, replacing a file of that name; FileError.
  virtual void rename(const std::filesystem::path& staged, const std::filesystem::path& to);

  // Renames an existing file to a temporary name beside it (rename) and returns that name;
  // nothing when there is no file at `path`. FileError when it cannot be moved.
  std::optional<std::filesystem::path> setAside(const std::filesystem::path& path);
  // stageCopy, then rename; the staged copy is removed when the rename fails.
  void copyReplacing(const std::filesystem::path& from, const std::filesystem::path& to);
  // folder / name, or folder / the existing entry whose name is `name` ignoring ASCII letter
  // case (the pharmacies' file system does not tell "Tools" from "tools").
  static std::filesystem::path entryIgnoringCase(const std::filesystem::path& folder,
                                                 const std::filesystem::path& name);
};

}  // namespace pillora
