// Database files through ODBC on Windows, here through unixODBC's drivers as Wine reaches
// them, each driver named by PILLORA_ODBC_DRIVER: an Access file through the MDBTools driver,
// an SQLite file through the SQLite driver. The paths are Unix paths: the Unix drivers open
// them as they are, and Windows finds them on the current drive.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "common/db/backends.h"
#include "common/text/errors.h"
#include "tests/support/scoped_environment.h"
#include "tests/support/scratch_folder.h"

namespace pillora {
namespace {

constexpr TextView kJet = u"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=";

// The drivers read the files themselves: an open has nothing to warn of.
std::unique_ptr<Backend> opened(const Text& connectionString) {
  std::vector<std::string> warnings;
  auto backend = openBackend(connectionString, warnings);
  EXPECT_TRUE(warnings.empty());
  return backend;
}

TEST(OdbcFiles, AnAccessFileThroughTheDriverTheSettingNames) {
  const testing::ScopedEnvironment driver("PILLORA_ODBC_DRIVER", "MDBTools");
  const auto database =
      opened(Text(kJet) + fromUtf8(testing::testFixture("jet/V2000_no-password.mdb")));
  const QueryResult result = database->query(u"SELECT * FROM Table1 WHERE ID = 2", 10);
  ASSERT_EQ(result.columns.size(), 2U);
  EXPECT_EQ(result.columns[1].name, u"Data");
  ASSERT_EQ(result.rows.size(), 1U);
  EXPECT_EQ(result.rows[0][1], u"Two");
}

TEST(OdbcFiles, AnSqliteProfileKeepsItsChineseNamesAndTexts) {
  // Joined with "/": the driver takes the name as a Unix name.
  const std::string file = PILLORA_TEST_SCRATCH "/profile.db";
  std::filesystem::create_directories(PILLORA_TEST_SCRATCH);
  std::filesystem::remove(pathFromUtf8(file));
  std::ofstream(pathFromUtf8(file)).flush();  // an empty file is an empty database
  const testing::ScopedEnvironment driver("PILLORA_ODBC_DRIVER", "SQLite3");
  const auto database = opened(Text(kJet) + fromUtf8(file) + u";Jet OLEDB:Database Password='pw'");
  database->execute(u"CREATE TABLE tblDrugBag (藥品代碼 TEXT, 中文品名 TEXT)");
  database->insert(u"tblDrugBag", ColumnValues{{u"藥品代碼", Text(u"AC12345129")},
                                               {u"中文品名", Text(u"退熱寧錠500毫克")}});
  const QueryResult result =
      database->query(u"SELECT * FROM tblDrugBag WHERE 藥品代碼 LIKE '%12345129'", 1);
  ASSERT_EQ(result.columns.size(), 2U);
  EXPECT_EQ(result.columns[0].name, u"藥品代碼");  // the name alone, as long as the driver says
  EXPECT_EQ(result.columns[1].name, u"中文品名");
  ASSERT_EQ(result.rows.size(), 1U);
  EXPECT_EQ(result.rows[0][1], u"退熱寧錠500毫克");
}

TEST(OdbcFiles, AMissingFileFailsBeforeAnyDriverIsAsked) {
  const testing::ScopedEnvironment driver("PILLORA_ODBC_DRIVER", "No Such Driver");
  try {
    opened(Text(kJet) + u"/no/such/dbDrugProfile.mdb");
    ADD_FAILURE() << "a missing file opened";
  } catch (const DatabaseError& error) {
    EXPECT_NE(std::string(error.what()).find("database file not found"), std::string::npos)
        << error.what();
  }
  EXPECT_THROW(opened(u"Provider=Microsoft.Jet.OLEDB.4.0"), DatabaseError);
}

}  // namespace
}  // namespace pillora
