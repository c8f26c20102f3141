// Access files read by the helper program into checked copies in the cache folder: read once,
// read again when their bytes change, damaged files refused with one clear line instead of a
// crash or a hang, damaged copies made again, and a private copy when the cache folder cannot
// be written.
#include "platform/db/access_cache.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <stdexcept>
#include <utility>
#include <vector>

#include "common/text/errors.h"
#include "tests/support/damaged_access.h"
#include "tests/support/file_bytes.h"
#include "tests/support/scoped_environment.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/unwritable_folder.h"

namespace fs = std::filesystem;

namespace pillora {
namespace {

using testing::jetFixture;
using testing::ScopedEnvironment;
using testing::ScratchFolder;

constexpr const char16_t* kWhite = u"白色圓形刻痕錠";   // AC12345100 in profile-pair-a.mdb
constexpr const char16_t* kYellow = u"黃色圓形刻痕錠";  // and in profile-pair-b.mdb

std::vector<fs::path> filesIn(const fs::path& folder) {
  std::vector<fs::path> files;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    files.push_back(it->path());
  }
  return files;
}

// The one file in the folder, which must end as given.
fs::path oneFileIn(const fs::path& folder, const std::string& extension) {
  const std::vector<fs::path> files = filesIn(folder);
  if (files.size() != 1 || files[0].extension() != extension) {
    throw std::runtime_error("not one " + extension + " file alone in " + folder.string());
  }
  return files[0];
}

Text firstText(SqliteBackend& database, const Text& sql) {
  const QueryResult result = database.query(sql, 1);
  return result.rows.empty() || !result.rows[0][0] ? Text(u"(none)") : *result.rows[0][0];
}

Text appearance(SqliteBackend& database) {
  return firstText(database, u"SELECT 藥品外觀 FROM tblDrugBag WHERE 藥品代碼 = 'AC12345100'");
}

class AccessCacheTest : public ::testing::Test {
 protected:
  fs::path cache() const { return m_scratch.folder() / "cache" / "pillora"; }
  std::string write(const std::string& name, const std::string& bytes) const {
    return m_scratch.write(name, bytes);
  }
  // Opens the file, expecting no warning.
  std::unique_ptr<SqliteBackend> open(const std::string& file) {
    auto database = openAccessFile(file, m_warnings);
    EXPECT_TRUE(m_warnings.empty()) << m_warnings.front();
    return database;
  }
  // Opens the file, expecting one warning that names `about`.
  std::unique_ptr<SqliteBackend> openWarned(const std::string& file, const std::string& about) {
    auto database = openAccessFile(file, m_warnings);
    EXPECT_EQ(m_warnings.size(), 1U);
    for (const std::string& warning : m_warnings) {
      EXPECT_NE(warning.find(about), std::string::npos) << warning;
      EXPECT_NE(warning.find(file), std::string::npos) << warning;
    }
    m_warnings.clear();
    return database;
  }

  ScratchFolder m_scratch;
  ScopedEnvironment m_cacheHome{"XDG_CACHE_HOME", (m_scratch.folder() / "cache").string()};
  std::vector<std::string> m_warnings;
};

TEST_F(AccessCacheTest, AFileIsReadOnceAndAgainWhenItChanges) {
  const std::string file = write("profiles.mdb", jetFixture("V2000_no-password.mdb"));
  EXPECT_EQ(firstText(*open(file), u"SELECT Data FROM Table1 WHERE ID = 2"), u"Two");
  const fs::path copy = oneFileIn(cache(), ".sqlite");
  const auto written = fs::last_write_time(copy);

  EXPECT_EQ(firstText(*open(file), u"SELECT count(*) FROM Table1"), u"3");
  EXPECT_EQ(fs::last_write_time(oneFileIn(cache(), ".sqlite")), written);  // served from the cache

  write("profiles.mdb", jetFixture("V2003_deleted-column.mdb"));
  EXPECT_EQ(firstText(*open(file), u"SELECT data2 FROM Table1 WHERE id = 3"), u"bar2");
  EXPECT_NE(oneFileIn(cache(), ".sqlite"), copy);  // the older copy is gone
}

// Access files grow in whole pages: a replaced database often has the size of the one before,
// and a copy that keeps times (an unzip, "cp -p", a deploy by rename) its time too.
TEST_F(AccessCacheTest, AReplacedFileOfTheSameSizeAndTimeIsReadAgain) {
  const std::string file = write("dbDrugProfile.mdb", jetFixture("profile-pair-a.mdb"));
  const auto time = fs::last_write_time(file);
  EXPECT_EQ(appearance(*open(file)), kWhite);

  write("dbDrugProfile.mdb", jetFixture("profile-pair-b.mdb"));  // in place
  fs::last_write_time(file, time);
  EXPECT_EQ(appearance(*open(file)), kYellow);

  const std::string beside = write("new.mdb", jetFixture("profile-pair-a.mdb"));
  fs::last_write_time(beside, time);
  fs::rename(beside, file);  // by rename
  EXPECT_EQ(appearance(*open(file)), kWhite);
}

TEST_F(AccessCacheTest, ARowWithADeletedColumnReadsTheTablesColumns) {
  const std::string file = write("deleted.mdb", jetFixture("V2003_deleted-column.mdb"));
  const auto database = open(file);
  EXPECT_EQ(firstText(*database, u"SELECT count(*) FROM Table1"), u"2");
  EXPECT_EQ(firstText(*database, u"SELECT data2 FROM Table1 WHERE id = 3"), u"bar2");
}

TEST_F(AccessCacheTest, ADamagedFileFailsWithOneLineAndANoteInsteadOfACopy) {
  std::string changedByte = jetFixture("V2000_no-password.mdb");
  changedByte[0x2037] = '\xff';
  struct Case {
    const char* name;
    std::string bytes;
    const char* reason;
  };
  for (const Case& c : {
           Case{"crash.mdb", changedByte, ": the reader crashed (signal 11)"},
           Case{"header-only.mdb", jetFixture("V2000_no-password.mdb").substr(0, 122880),
                " is damaged: table Table1 gives 0 rows where it declares 3"},
       }) {
    SCOPED_TRACE(c.name);
    const std::string file = write(c.name, c.bytes);
    fs::file_time_type noted;
    // The second attempt fails alike without reading: the note of the first stays as it was.
    // A note older than ten minutes is not believed: the third attempt reads again.
    for (int attempt = 0; attempt < 3; ++attempt) {
      if (attempt == 2)
        fs::last_write_time(oneFileIn(cache(), ".failed"), noted - std::chrono::minutes(11));
      try {
        open(file);
        ADD_FAILURE() << "the damaged file opened";
      } catch (const DatabaseError& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find(file), std::string::npos) << message;
        EXPECT_TRUE(message.ends_with(c.reason)) << message;
        EXPECT_EQ(message.find('\n'), std::string::npos) << message;
      }
      const fs::path note = oneFileIn(cache(), ".failed");
      if (attempt == 1) {
        EXPECT_EQ(fs::last_write_time(note), noted);
      } else if (attempt == 2) {
        EXPECT_GT(fs::last_write_time(note), noted);
      }
      noted = fs::last_write_time(note);
    }
    fs::remove(oneFileIn(cache(), ".failed"));
  }
}

// A note that is a link is no note: it is neither believed nor written through.
TEST_F(AccessCacheTest, ANoteThatIsALinkIsNeitherReadNorFollowed) {
  const std::string file =
      write("short.mdb", jetFixture("V2000_no-password.mdb").substr(0, 122880));
  EXPECT_THROW(open(file), DatabaseError);
  const fs::path note = oneFileIn(cache(), ".failed");
  const std::string planted = write("planted", "a reason planted through a link\n");
  fs::remove(note);
  fs::create_symlink(planted, note);
  try {
    open(file);
    ADD_FAILURE() << "the damaged file opened";
  } catch (const DatabaseError& error) {
    EXPECT_TRUE(std::string(error.what()).ends_with("where it declares 3")) << error.what();
  }
  EXPECT_EQ(testing::fileBytes(planted), "a reason planted through a link\n");
  EXPECT_FALSE(fs::is_symlink(note));
  EXPECT_TRUE(fs::is_regular_file(note));
}

// The table list of these files is read by libmdb as a database with fewer tables or none.
// Also when only the profile table is asked for: the list is read whole all the same.
TEST_F(AccessCacheTest, AFileWhoseTableListCannotBeReadWholeIsRefused) {
  for (const testing::DamagedAccessFile& damaged : testing::damagedTableLists()) {
    for (const std::vector<std::string>& tables :
         {std::vector<std::string>{}, std::vector<std::string>{"tblDrugBag"}}) {
      SCOPED_TRACE(damaged.name + (tables.empty() ? "" : ", tblDrugBag asked for"));
      const std::string file = write(damaged.name, damaged.bytes);
      try {
        openAccessFile(file, m_warnings, tables);
        ADD_FAILURE() << "the damaged file opened";
      } catch (const DatabaseError& error) {
        EXPECT_TRUE(std::string(error.what())
                        .starts_with("cannot read the table list of the Access database file " +
                                     file + ": "))
            << error.what();
      }
    }
  }
}

// A copy of the tables asked for holds those alone, and stands apart from a copy of all.
TEST_F(AccessCacheTest, OnlyTheTablesAskedForAreCopied) {
  const std::string file = write("four.mdb", jetFixture("V1997_jet3.mdb"));
  const auto tablesOf = [](SqliteBackend& database) {
    return firstText(database,
                     u"SELECT group_concat(name, ' ') FROM (SELECT name FROM sqlite_master WHERE "
                     u"name NOT LIKE 'pillora.%' ORDER BY name)");
  };
  struct Case {
    std::vector<std::string> asked;
    const char16_t* held;
  };
  for (const Case& c : {Case{{"table2"}, u"Table2"}, Case{{"Table4", "Table1"}, u"Table1 Table4"},
                        Case{{}, u"Table1 Table2 Table3 Table4"}, Case{{"none"}, u"(none)"}}) {
    SCOPED_TRACE(toUtf8(c.held));
    EXPECT_EQ(tablesOf(*openAccessFile(file, m_warnings, c.asked)), c.held);
    const auto written = fs::last_write_time(oneFileIn(cache(), ".sqlite"));
    EXPECT_EQ(tablesOf(*openAccessFile(file, m_warnings, c.asked)), c.held);
    EXPECT_EQ(fs::last_write_time(oneFileIn(cache(), ".sqlite")), written);  // the kept copy
    EXPECT_TRUE(m_warnings.empty());
  }
}

TEST_F(AccessCacheTest, ADamagedOrForeignCopyIsMadeAgain) {
  open(write("other.mdb", jetFixture("profile-pair-b.mdb")));
  const std::string foreign = testing::fileBytes(oneFileIn(cache(), ".sqlite"));
  fs::remove(oneFileIn(cache(), ".sqlite"));
  const std::string file = write("dbDrugProfile.mdb", jetFixture("profile-pair-a.mdb"));
  open(file);
  const fs::path copy = oneFileIn(cache(), ".sqlite");
  const std::string good = testing::fileBytes(copy);
  std::string changedValue = good;
  const std::string white = toUtf8(kWhite);
  ASSERT_NE(changedValue.find(white), std::string::npos);
  changedValue.replace(changedValue.find(white), white.size(), toUtf8(kYellow));
  for (const auto& [what, bytes] :
       std::vector<std::pair<const char*, std::string>>{{"empty", ""},
                                                        {"cut to one page", good.substr(0, 4096)},
                                                        {"one value changed", changedValue},
                                                        {"the copy of another file", foreign},
                                                        {"not a database", "SQLite format 3"}}) {
    SCOPED_TRACE(what);
    testing::writeBytes(copy, bytes);
    EXPECT_EQ(appearance(*openWarned(file, copy.string() + " of the Access database file ")),
              kWhite);
    EXPECT_EQ(testing::fileBytes(oneFileIn(cache(), ".sqlite")), good);
  }
}

TEST_F(AccessCacheTest, ACacheFolderThatCannotBeWrittenGivesAPrivateCopyForTheJob) {
  const std::string file = write("dbDrugProfile.mdb", jetFixture("profile-pair-a.mdb"));
  const fs::path temporary = m_scratch.folder() / "tmp";
  fs::create_directories(temporary);
  fs::create_directories(cache());
  const ScopedEnvironment tmpdir("TMPDIR", temporary.string());
  const testing::UnwritableFolder unwritable(cache());
  EXPECT_EQ(appearance(*openWarned(file, "cannot write in " + cache().string())), kWhite);
  EXPECT_TRUE(filesIn(cache()).empty());
  EXPECT_TRUE(filesIn(temporary).empty());
}

TEST_F(AccessCacheTest, WithoutACacheFolderTheCopyLastsOneConnection) {
  const std::string file = write("profiles.mdb", jetFixture("V2003_with-password.mdb"));
  const std::string notAFolder = write("cache-file", "x");
  const fs::path temporary = m_scratch.folder() / "tmp";
  fs::create_directory(temporary);
  const ScopedEnvironment cacheHome("XDG_CACHE_HOME", notAFolder);
  const ScopedEnvironment tmpdir("TMPDIR", temporary.string());
  const auto database = openWarned(file, "cannot make " + notAFolder + "/pillora");
  EXPECT_EQ(firstText(*database, u"SELECT Data FROM Table1 WHERE ID = 1"), u"One");
  EXPECT_TRUE(filesIn(temporary).empty());
}

// A run killed while its reader wrote leaves the reader's file behind; one still being written
// is younger than the reader's time limit.
TEST_F(AccessCacheTest, StaleTemporaryCopiesAreRemoved) {
  fs::create_directories(cache());
  const std::string stale =
      write("cache/pillora/0123-4567.sqlite.9abc.tmp", "left by a killed run");
  const std::string fresh = write("cache/pillora/0123-4567.sqlite.def0.tmp", "being written now");
  fs::last_write_time(stale, fs::file_time_type::clock::now() - std::chrono::seconds(21));
  open(write("profiles.mdb", jetFixture("V2000_no-password.mdb")));
  EXPECT_FALSE(fs::exists(stale));
  EXPECT_TRUE(fs::exists(fresh));
}

}  // namespace
}  // namespace pillora
