// Arbitrary bytes as the cache's SQLite copy of an Access file (profile-sample.mdb of the Jet
// fixtures), opened as a job opens the file: the copy's check must refuse every copy that is
// not the one the reader made, so that the rows read are always the file's own, from the copy
// or from a copy made again; else the open fails with one line naming the file. Seeded with
// the reader's own copy of the file (fuzz/corpus/cache_copy).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "common/text/errors.h"
#include "common/text/textfile.h"
#include "fuzz/fuzz_support.h"
#include "platform/db/access_cache.h"

namespace fs = std::filesystem;

namespace {

using pillora::SqliteBackend;

// Everything a lookup can see: the tables' definitions and every row of the profile table.
std::vector<pillora::Row> visibleRows(SqliteBackend& database) {
  constexpr std::size_t kAll = 1000000;
  std::vector<pillora::Row> rows =
      database
          .query(u"SELECT type, name, sql FROM sqlite_master WHERE name NOT LIKE 'pillora.%'", kAll)
          .rows;
  for (pillora::Row& row : database.query(u"SELECT * FROM tblDrugBag", kAll).rows) {
    rows.push_back(std::move(row));
  }
  return rows;
}

struct Source {
  fs::path file;                   // the Access file
  fs::path copy;                   // where the cache keeps its copy
  std::vector<pillora::Row> rows;  // what the reader's own copy shows
};

const Source& source() {
  static const Source made = [] {
    Source source{pillora::fuzz::programFolder() / "dbDrugProfile.mdb", {}, {}};
    pillora::fuzz::writeFile(
        source.file, pillora::readFileBytes(PILLORA_TESTS_DIR "/fixtures/jet/profile-sample.mdb"));
    std::vector<std::string> warnings;
    source.rows = visibleRows(*pillora::openAccessFile(source.file, warnings));
    for (const auto& entry : fs::directory_iterator(pillora::fuzz::programFolder() / "pillora")) {
      if (entry.path().extension() == ".sqlite") source.copy = entry.path();
    }
    return source;
  }();
  return made;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Source& file = source();
  pillora::fuzz::writeFile(file.copy, pillora::fuzz::bytes(data, size));
  std::vector<std::string> warnings;
  try {
    if (visibleRows(*pillora::openAccessFile(file.file, warnings)) != file.rows) std::abort();
  } catch (const pillora::DatabaseError& error) {
    const std::string message = error.what();
    if (message.find(file.file.string()) == std::string::npos) std::abort();
  }
  return 0;
}
