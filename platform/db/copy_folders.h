#pragma once
// The folders SQLite copies of Access files are written in.
//
// The cache folder ("pillora" below the user's cache folder) keeps one copy of each Access
// file, named by the file's absolute path and the key of what it holds (the content key of
// the file's bytes, and of the tables asked for when not all: copy_record.h):
// "<path key>-<key>.sqlite". A copy is written under a temporary name of its own
// ("....sqlite.<random>.tmp", a new file of mode 0600), flushed to disk, then renamed into
// place and the folder flushed: a copy is never seen half-written under its name, also
// after a power cut. A failed read of the file is noted beside the copies
// ("<path key>-<key>.failed"). Temporary files older than the reader's time limit
// are left by runs that were killed, and are removed.
//
// A private folder is a new folder in the temporary folder that only this user can enter,
// removed with its files when the object goes: for a job whose cache folder cannot be written.
#include <filesystem>
#include <optional>
#include <string>

namespace pillora {

class CacheFolder {
 public:
  // The folder as it concerns the copy of the Access file `file` whose key is `key`.
  CacheFolder(std::filesystem::path folder, const std::filesystem::path& file,
              const std::string& key);

  const std::filesystem::path& path() const { return m_folder; }
  // Where the copy of the file's present bytes is kept.
  std::filesystem::path copy() const { return m_folder / (m_name + ".sqlite"); }

  // The reason noted by an earlier failed read of the same bytes while the note is recent
  // (ten minutes: long enough that a damaged file does not make every job wait for the reader
  // again, short enough that a failure of the moment heals by itself).
  std::optional<std::string> notedFailure() const;
  void noteFailure(const std::string& reason) const;

  void removeStaleTemporaries() const;
  // A new empty file for a copy to be written. FileError naming the folder and the system's
  // reason when the folder cannot take one.
  std::filesystem::path newTemporary() const;
  // Gives a complete temporary copy the copy's name, flushed to disk; the older copies and
  // notes of the same file go. FileError when it cannot be flushed or renamed.
  void keep(const std::filesystem::path& temporary) const;

 private:
  std::filesystem::path failureNote() const { return m_folder / (m_name + ".failed"); }

  std::filesystem::path m_folder;
  std::string m_ofFile;  // "<path key>-": the part every copy of the file shares
  std::string m_name;    // "<path key>-<key>"
};

class PrivateFolder {
 public:
  // FileError naming the temporary folder when no folder can be made there.
  PrivateFolder();
  PrivateFolder(const PrivateFolder&) = delete;
  PrivateFolder& operator=(const PrivateFolder&) = delete;
  ~PrivateFolder();

  // A new empty file for a copy; FileError when it cannot be made.
  std::filesystem::path newTemporary() const;

 private:
  std::filesystem::path m_folder;
};

}  // namespace pillora
