#pragma once
// The archive folder of printed bags: one folder per day, <root>/YYYY/MM/DD, holding one PDF
// per job, <hhmmss>-<job file name>.pdf. Folders the archive makes and the files in them are
// its user's alone; a file is never overwritten (a second job of the same second and name
// gets "-2", "-3", ...).
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace pillora {

using Day = std::chrono::year_month_day;

// The local date and time a job's copy is archived at.
struct ArchiveTime {
  Day day;
  std::string hhmmss;
};

// The local time now.
ArchiveTime archiveTimeNow();

// "YYYY-MM-DD" as a day; nothing for any other text or a date the calendar has not.
std::optional<Day> parseDay(const std::string& text);

class ArchiveFolder {
 public:
  explicit ArchiveFolder(std::filesystem::path root) : m_root(std::move(root)) {}

  const std::filesystem::path& root() const { return m_root; }

  // Writes the PDF into the day's folder (made when missing) as a new file; its path.
  // FileError with the reason when it cannot be written.
  std::filesystem::path store(const std::string& pdf, const std::string& jobFileName,
                              const ArchiveTime& time) const;

  // The day folders older than `firstKept` are removed; at most once a day (a mark in the
  // root folder holds the day of the last removal), never a folder other than a day's.
  // Returns the folders removed (none while the root is no folder); FileError names a
  // folder that could not be removed.
  std::vector<std::filesystem::path> removeDaysBefore(Day firstKept, Day today) const;

  // The archived files of the days from `from` to `to` (both included; open when absent),
  // oldest first.
  std::vector<std::filesystem::path> files(std::optional<Day> from, std::optional<Day> to) const;

 private:
  // Every day folder of the archive, oldest first.
  std::vector<std::pair<Day, std::filesystem::path>> days() const;

  std::filesystem::path m_root;
};

// Makes the folder and every missing folder above it, each new one its owner's alone
// (0700; on Windows the user's own permissions inherited). FileError when it cannot.
void makePrivateFolders(const std::filesystem::path& folder);

}  // namespace pillora
