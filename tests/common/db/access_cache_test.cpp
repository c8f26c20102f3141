// Access files read by the helper program into the cache folder: read once, read again when
// changed, and damaged files refused with one clear line instead of a crash or a hang.
#include "common/db/access_cache.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <stdexcept>
#include <vector>

#include "common/text/errors.h"
#include "common/text/textfile.h"
#include "tests/support/scoped_environment.h"
#include "tests/support/scratch_folder.h"

namespace fs = std::filesystem;

namespace pillora {
namespace {

using testing::ScopedEnvironment;
using testing::ScratchFolder;
using testing::sharedFixture;

std::string fixtureBytes(const std::string& file) {
  return readFileBytes(sharedFixture("jet/" + file));
}

std::vector<fs::path> filesIn(const fs::path& folder) {
  std::vector<fs::path> files;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    files.push_back(it->path());
  }
  return files;
}

Text firstText(SqliteBackend& database, const Text& sql) {
  const QueryResult result = database.query(sql, 1);
  return result.rows.empty() || !result.rows[0][0] ? Text(u"(none)") : *result.rows[0][0];
}

// The one failure note in the folder, which holds nothing else.
fs::path noteIn(const fs::path& folder) {
  const std::vector<fs::path> files = filesIn(folder);
  if (files.size() != 1 || files[0].extension() != ".failed") {
    throw std::runtime_error("not one failure note alone in " + folder.string());
  }
  return files[0];
}

class AccessCacheTest : public ::testing::Test {
 protected:
  fs::path cache() const { return m_scratch.folder() / "cache" / "pillora"; }
  std::string write(const std::string& name, const std::string& bytes) const {
    return m_scratch.write(name, bytes);
  }

  ScratchFolder m_scratch;
  ScopedEnvironment m_cacheHome{"XDG_CACHE_HOME", (m_scratch.folder() / "cache").string()};
};

TEST_F(AccessCacheTest, AFileIsReadOnceAndAgainWhenItChanges) {
  const std::string file = write("profiles.mdb", fixtureBytes("V2000_no-password.mdb"));
  EXPECT_EQ(firstText(*openAccessFile(file), u"SELECT Data FROM Table1 WHERE ID = 2"), u"Two");
  const std::vector<fs::path> copies = filesIn(cache());
  ASSERT_EQ(copies.size(), 1U);
  const auto written = fs::last_write_time(copies[0]);

  EXPECT_EQ(firstText(*openAccessFile(file), u"SELECT count(*) FROM Table1"), u"3");
  EXPECT_EQ(filesIn(cache()), copies);
  EXPECT_EQ(fs::last_write_time(copies[0]), written);  // served from the cache

  fs::last_write_time(file, fs::last_write_time(file) + std::chrono::seconds(1));
  EXPECT_EQ(firstText(*openAccessFile(file), u"SELECT Data FROM Table1 WHERE ID = 3"), u"Three");
  const std::vector<fs::path> renewed = filesIn(cache());
  ASSERT_EQ(renewed.size(), 1U);  // the older copy is gone
  EXPECT_NE(renewed[0], copies[0]);
}

TEST_F(AccessCacheTest, ARowWithADeletedColumnReadsTheTablesColumns) {
  const std::string file = write("deleted.mdb", fixtureBytes("V2003_deleted-column.mdb"));
  const auto database = openAccessFile(file);
  EXPECT_EQ(firstText(*database, u"SELECT count(*) FROM Table1"), u"2");
  EXPECT_EQ(firstText(*database, u"SELECT data2 FROM Table1 WHERE id = 3"), u"bar2");
}

TEST_F(AccessCacheTest, ADamagedFileFailsWithOneLineAndANoteInsteadOfACopy) {
  std::string changedByte = fixtureBytes("V2000_no-password.mdb");
  changedByte[0x2037] = '\xff';
  struct Case {
    const char* name;
    std::string bytes;
    const char* reason;
  };
  for (const Case& c : {
           Case{"crash.mdb", changedByte, ": the reader crashed (signal 11)"},
           Case{"header-only.mdb", fixtureBytes("V2000_no-password.mdb").substr(0, 122880),
                ": table Table1 gives 0 rows where it declares 3"},
       }) {
    SCOPED_TRACE(c.name);
    const std::string file = write(c.name, c.bytes);
    fs::file_time_type noted;
    // The second attempt fails alike without reading: the note of the first stays as it was.
    // A note older than ten minutes is not believed: the third attempt reads again.
    for (int attempt = 0; attempt < 3; ++attempt) {
      if (attempt == 2) fs::last_write_time(noteIn(cache()), noted - std::chrono::minutes(11));
      try {
        openAccessFile(file);
        ADD_FAILURE() << "the damaged file opened";
      } catch (const DatabaseError& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find(file), std::string::npos) << message;
        EXPECT_TRUE(message.ends_with(c.reason)) << message;
        EXPECT_EQ(message.find('\n'), std::string::npos) << message;
      }
      if (attempt == 1) {
        EXPECT_EQ(fs::last_write_time(noteIn(cache())), noted);
      } else if (attempt == 2) {
        EXPECT_GT(fs::last_write_time(noteIn(cache())), noted);
      }
      noted = fs::last_write_time(noteIn(cache()));
    }
    fs::remove(noteIn(cache()));
  }
}

// A note that is a link is no note: it is neither believed nor written through.
TEST_F(AccessCacheTest, ANoteThatIsALinkIsNeitherReadNorFollowed) {
  const std::string file =
      write("short.mdb", fixtureBytes("V2000_no-password.mdb").substr(0, 122880));
  EXPECT_THROW(openAccessFile(file), DatabaseError);
  const fs::path note = noteIn(cache());
  const std::string planted = write("planted", "a reason planted through a link\n");
  fs::remove(note);
  fs::create_symlink(planted, note);
  try {
    openAccessFile(file);
    ADD_FAILURE() << "the damaged file opened";
  } catch (const DatabaseError& error) {
    EXPECT_TRUE(std::string(error.what()).ends_with("where it declares 3")) << error.what();
  }
  EXPECT_EQ(readFileBytes(planted), "a reason planted through a link\n");
  EXPECT_FALSE(fs::is_symlink(note));
  EXPECT_TRUE(fs::is_regular_file(note));
}

TEST_F(AccessCacheTest, WithoutACacheFolderTheCopyLastsOneConnection) {
  const std::string file = write("profiles.mdb", fixtureBytes("V2003_with-password.mdb"));
  const std::string notAFolder = write("cache-file", "x");
  const fs::path temporary = m_scratch.folder() / "tmp";
  fs::create_directory(temporary);
  const ScopedEnvironment cacheHome("XDG_CACHE_HOME", notAFolder);
  const ScopedEnvironment tmpdir("TMPDIR", temporary.string());
  const auto database = openAccessFile(file);
  EXPECT_EQ(firstText(*database, u"SELECT Data FROM Table1 WHERE ID = 1"), u"One");
  EXPECT_TRUE(filesIn(temporary).empty());
}

}  // namespace
}  // namespace pillora
