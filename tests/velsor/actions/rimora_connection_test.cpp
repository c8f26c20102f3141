// Where the drug-price import finds Rimora's database: "Rimora.config" in Rimora's folder
// names an Access file or a SQL Server database; without it, "dbRimora.mdb" beside it.
#include "velsor/actions/rimora_connection.h"

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "common/text/errors.h"
#include "tests/support/update_folders.h"

namespace pillora::testing {
namespace {

class RimoraConnection : public ::testing::Test, public UpdateFolders {};

TEST_F(RimoraConnection, RimoraConfigChoosesTheDatabase) {
  const Text jet =
      u"Provider=Microsoft.Jet.OLEDB.4.0;Jet OLEDB:Database Password='Zr@Kelborn51748203';"
      u"Data Source=";
  struct Case {
    std::optional<std::string> config;
    Text expected;
  };
  const std::vector<Case> cases{
      {std::nullopt, jet + (host / "dbRimora.mdb").u16string() + u";"},
      {"D:\\Rimora\\dbRimora.mdb\r\n<IP>x</IP>\r\n", jet + u"D:\\Rimora\\dbRimora.mdb;"},
      {"<SQLNCLI>10</SQLNCLI>\r\n<IP>10.0.0.5,1433</IP><DB>rimora</DB>\r\n",
       u"Provider=SQLNCLI10;Data Source=10.0.0.5,1433;User ID=sa;Password=Zr@61730285;"
       u"Initial Catalog=rimora"},
      {"D:\\RIMORA.MDB\r\n<DB>main</DB>",
       u"Provider=SQLNCLI;Data Source=;User ID=sa;Password=Zr@61730285;Initial Catalog=main"},
  };
  for (const Case& c : cases) {
    if (c.config) std::ofstream(host / "Rimora.config", std::ios::binary) << *c.config;
    EXPECT_EQ(rimoraConnectionString(host, files), c.expected) << c.config.value_or("none");
  }
  std::ofstream(host / "Rimora.config", std::ios::trunc).close();
  EXPECT_THROW(rimoraConnectionString(host, files), FileError);
}

}  // namespace
}  // namespace pillora::testing
