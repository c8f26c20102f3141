// The archive's day folders: private files never overwritten, old days removed once a day,
// the files of a span of days.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "common/text/errors.h"
#include "common/text/textfile.h"
#include "platform/archive/archive_store.h"
#include "tests/support/scratch_folder.h"

namespace pillora {
namespace {

namespace fs = std::filesystem;
using std::chrono::day;
using std::chrono::month;
using std::chrono::year;

Day dayOf(int y, unsigned m, unsigned d) {
  return Day{year{y}, month{m}, day{d}};
}

unsigned modeOf(const fs::path& path) {
  struct stat info {};
  ::stat(path.c_str(), &info);
  return info.st_mode & 0777U;
}

TEST(ArchiveStoreTest, ParsesOnlyRealDays) {
  EXPECT_EQ(parseDay("2026-12-08"), dayOf(2026, 12, 8));
  EXPECT_EQ(parseDay("2024-02-29"), dayOf(2024, 2, 29));
  for (const char* wrong :
       {"2023-02-29", "2026-13-01", "2026-1-08", "2026/12/08", "", "yesterday", "2026-12-08x"}) {
    EXPECT_FALSE(parseDay(wrong).has_value()) << wrong;
  }
}

TEST(ArchiveStoreTest, StoresPrivateFilesInDayFoldersAndNeverOverwrites) {
  testing::ScratchFolder scratch;
  const ArchiveFolder archive(scratch.folder() / "archive");
  const ArchiveTime time{dayOf(2026, 12, 8), "133005"};
  const fs::path first = archive.store("one", "123.ndrg", time);
  const fs::path second = archive.store("two", "123.ndrg", time);
  EXPECT_EQ(first, scratch.folder() / "archive/2026/12/08/133005-123.ndrg.pdf");
  EXPECT_EQ(second, scratch.folder() / "archive/2026/12/08/133005-123.ndrg-2.pdf");
  EXPECT_EQ(readFileBytes(first.string()), "one");
  EXPECT_EQ(modeOf(first), 0600U);
  for (const char* folder : {"archive", "archive/2026", "archive/2026/12", "archive/2026/12/08"}) {
    EXPECT_EQ(modeOf(scratch.folder() / folder), 0700U) << folder;
  }
}

TEST(ArchiveStoreTest, AFolderThatCannotBeMadeIsAFileError) {
  testing::ScratchFolder scratch;
  const ArchiveFolder archive(scratch.write("a file", "x"));
  EXPECT_THROW(archive.store("pdf", "123.ndrg", {dayOf(2026, 12, 8), "133005"}), FileError);
}

TEST(ArchiveStoreTest, RemovesTheDaysBeforeTheFirstKeptOnceADay) {
  testing::ScratchFolder scratch;
  const ArchiveFolder archive(scratch.folder());
  for (const char* folder :
       {"2025/12/31", "2026/11/30", "2026/12/01", "2026/12/08", "2026/notes"}) {
    fs::create_directories(scratch.folder() / folder);
  }
  scratch.write("2025/12/31/100000-1.ndrg.pdf", "old");
  const Day today = dayOf(2026, 12, 8);
  const auto removed = archive.removeDaysBefore(dayOf(2026, 12, 1), today);
  EXPECT_EQ(removed, (std::vector<fs::path>{scratch.folder() / "2025/12/31",
                                            scratch.folder() / "2026/11/30"}));
  EXPECT_FALSE(fs::exists(scratch.folder() / "2025"));     // the emptied year goes too
  EXPECT_FALSE(fs::exists(scratch.folder() / "2026/11"));  // and the emptied month
  for (const char* kept : {"2026/12/01", "2026/12/08", "2026/notes"}) {
    EXPECT_TRUE(fs::exists(scratch.folder() / kept)) << kept;
  }
  // Once a day: a day planted later today stays until tomorrow.
  fs::create_directories(scratch.folder() / "2026/10/01");
  EXPECT_TRUE(archive.removeDaysBefore(dayOf(2026, 12, 1), today).empty());
  EXPECT_TRUE(fs::exists(scratch.folder() / "2026/10/01"));
  EXPECT_EQ(archive.removeDaysBefore(dayOf(2026, 12, 2), dayOf(2026, 12, 9)).size(), 2U);
}

TEST(ArchiveStoreTest, ListsTheFilesOfTheDaysAsked) {
  testing::ScratchFolder scratch;
  const ArchiveFolder archive(scratch.folder());
  for (const char* folder : {"2026/11/30", "2026/12/01", "2026/12/08"}) {
    fs::create_directories(scratch.folder() / folder);
  }
  scratch.write("2026/11/30/090000-a.ndrg.pdf", "");
  scratch.write("2026/12/01/090000-b.ndrg.pdf", "");
  scratch.write("2026/12/01/080000-c.ndrg.pdf", "");
  scratch.write("2026/12/01/.080000-c.ndrg.pdf.tmp-1-1", "");
  scratch.write("2026/12/08/090000-d.ndrg.pdf", "");
  const auto names = [](const std::vector<fs::path>& files) {
    std::vector<std::string> result;
    result.reserve(files.size());
    for (const fs::path& file : files) result.push_back(file.filename().string());
    return result;
  };
  EXPECT_EQ(names(archive.files(std::nullopt, std::nullopt)),
            (std::vector<std::string>{"090000-a.ndrg.pdf", "080000-c.ndrg.pdf", "090000-b.ndrg.pdf",
                                      "090000-d.ndrg.pdf"}));
  EXPECT_EQ(names(archive.files(dayOf(2026, 12, 1), dayOf(2026, 12, 1))),
            (std::vector<std::string>{"080000-c.ndrg.pdf", "090000-b.ndrg.pdf"}));
  EXPECT_EQ(names(archive.files(dayOf(2026, 12, 2), std::nullopt)),
            (std::vector<std::string>{"090000-d.ndrg.pdf"}));
}

}  // namespace
}  // namespace pillora
