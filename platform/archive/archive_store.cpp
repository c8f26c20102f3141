#include "platform/archive/archive_store.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <system_error>

#include "common/text/errors.h"
#include "common/text/text.h"
#include "common/text/textfile.h"
#include "platform/clock/clock.h"
#include "platform/files/staged_file.h"

namespace pillora {

namespace {

// Far more jobs of one name than a second can hold.
constexpr int kMostNamesakes = 999;
// The mark of the last removal of old days: the day, "YYYY-MM-DD".
constexpr const char* kRemovalMark = ".removed-days";

// The whole text as a number of exactly `digits` decimal digits.
std::optional<int> number(std::string_view text, std::size_t digits) {
  int value = 0;
  if (text.size() != digits ||
      !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

std::optional<Day> dayOf(std::string_view year, std::string_view month, std::string_view day) {
  const auto y = number(year, 4);
  const auto m = number(month, 2);
  const auto d = number(day, 2);
  if (!y || !m || !d) {
    return std::nullopt;
  }
  const Day date{std::chrono::year{*y}, std::chrono::month{static_cast<unsigned>(*m)},
                 std::chrono::day{static_cast<unsigned>(*d)}};
  return date.ok() ? std::optional<Day>(date) : std::nullopt;
}

std::string dayText(Day day) {
  std::array<char, 16> text{};
  std::snprintf(text.data(), text.size(), "%04d-%02u-%02u", static_cast<int>(day.year()),
                static_cast<unsigned>(day.month()), static_cast<unsigned>(day.day()));
  return text.data();
}

std::filesystem::path dayFolder(const std::filesystem::path& root, Day day) {
  const std::string text = dayText(day);
  return root / text.substr(0, 4) / text.substr(5, 2) / text.substr(8, 2);
}

std::vector<std::filesystem::directory_entry> subfolders(const std::filesystem::path& folder) {
  std::vector<std::filesystem::directory_entry> found;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    if (entry.is_directory(error) && !entry.is_symlink(error)) {
      found.push_back(entry);
    }
  }
  return found;
}

// A year or month folder left empty by the removal goes too.
void removeIfEmpty(const std::filesystem::path& folder) {
  std::error_code ignored;
  if (std::filesystem::is_empty(folder, ignored)) {
    std::filesystem::remove(folder, ignored);
  }
}

}  // namespace

ArchiveTime archiveTimeNow() {
  const std::string now = toUtf8(isoTimestamp());  // 2026-12-08T13:30:05+08:00
  const std::optional<Day> day = parseDay(now.substr(0, 10));
  if (!day) {
    throw FileError("the clock gives no date: " + now);
  }
  return {*day, now.substr(11, 2) + now.substr(14, 2) + now.substr(17, 2)};
}

std::optional<Day> parseDay(const std::string& text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
    return std::nullopt;
  }
  const std::string_view view(text);
  return dayOf(view.substr(0, 4), view.substr(5, 2), view.substr(8, 2));
}

std::filesystem::path ArchiveFolder::store(const std::string& pdf, const std::string& jobFileName,
                                           const ArchiveTime& time) const {
  const std::filesystem::path folder = dayFolder(m_root, time.day);
  makePrivateFolders(folder);
  const std::string stem = time.hhmmss + "-" + jobFileName;
  StagedFile file(folder / pathFromUtf8(stem + ".pdf"), pdf, StagedFile::Access::Private);
  for (int number = 1; number <= kMostNamesakes; ++number) {
    const std::string name = number == 1 ? stem : stem + "-" + std::to_string(number);
    std::filesystem::path path = folder / pathFromUtf8(name + ".pdf");
    if (file.moveToNewName(path)) {
      return path;
    }
  }
  throw FileError("no free file name for " + stem + " in " + pathToUtf8(folder));
}

std::vector<std::pair<Day, std::filesystem::path>> ArchiveFolder::days() const {
  std::vector<std::pair<Day, std::filesystem::path>> found;
  for (const auto& year : subfolders(m_root)) {
    for (const auto& month : subfolders(year.path())) {
      for (const auto& day : subfolders(month.path())) {
        const auto date =
            dayOf(pathToUtf8(year.path().filename()), pathToUtf8(month.path().filename()),
                  pathToUtf8(day.path().filename()));
        if (date) {
          found.emplace_back(*date, day.path());
        }
      }
    }
  }
  std::sort(found.begin(), found.end());
  return found;
}

std::vector<std::filesystem::path> ArchiveFolder::removeDaysBefore(Day firstKept, Day today) const {
  std::error_code error;
  if (!std::filesystem::is_directory(m_root, error)) {
    return {};  // nothing archived yet (or no folder to archive in: storing will say so)
  }
  const std::filesystem::path mark = m_root / kRemovalMark;
  const std::string todayText = dayText(today);
  std::string last;
  if (std::filesystem::is_regular_file(std::filesystem::symlink_status(mark, error))) {
    last = readFileBytes(pathToUtf8(mark), todayText.size() + 1);
  }
  if (last == todayText) {
    return {};
  }
  std::vector<std::filesystem::path> removed;
  for (const auto& [day, folder] : days()) {
    if (day >= firstKept) {
      break;
    }
    std::filesystem::remove_all(folder, error);
    if (error) {
      throw FileError("cannot remove the archived day " + pathToUtf8(folder) + ": " +
                      error.message());
    }
    removed.push_back(folder);
    removeIfEmpty(folder.parent_path());
    removeIfEmpty(folder.parent_path().parent_path());
  }
  StagedFile(mark, todayText, StagedFile::Access::Private).moveReplacing(mark);
  return removed;
}

std::vector<std::filesystem::path> ArchiveFolder::files(std::optional<Day> from,
                                                        std::optional<Day> to) const {
  std::vector<std::filesystem::path> found;
  for (const auto& [day, folder] : days()) {
    if ((from && day < *from) || (to && day > *to)) {
      continue;
    }
    std::vector<std::filesystem::path> ofDay;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
      if (entry.is_regular_file(error) && entry.path().extension() == ".pdf") {
        ofDay.push_back(entry.path());
      }
    }
    std::sort(ofDay.begin(), ofDay.end());
    found.insert(found.end(), ofDay.begin(), ofDay.end());
  }
  return found;
}

}  // namespace pillora
