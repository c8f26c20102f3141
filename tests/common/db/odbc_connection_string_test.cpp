#include "common/db/odbc_connection_string.h"

#include <gtest/gtest.h>

#include <vector>

#include "common/text/errors.h"

namespace pillora {
namespace {

TEST(SqlServerProvider, SqlncliWithAnyVersionLetterCaseIgnored) {
  for (const char16_t* name : {u"SQLNCLI", u"SQLNCLI10", u"sqlncli11", u"SqlNcli10.1"}) {
    EXPECT_TRUE(isSqlServerProvider(name)) << toUtf8(name);
  }
  for (const char16_t* name : {u"", u"SQLNCL", u"SQLNCLI11x", u"SQLOLEDB", u"MSOLEDBSQL",
                               u"Microsoft.Jet.OLEDB.4.0", u" SQLNCLI"}) {
    EXPECT_FALSE(isSqlServerProvider(name)) << toUtf8(name);
  }
}

TEST(OdbcDriverChoice, SettingFirstThenMicrosoftsDriverThenFreeTds) {
  const std::vector<Text> withMicrosoft = {u"FreeTDS", u"ODBC Driver 18 for SQL Server"};
  const std::vector<Text> without = {u"PostgreSQL Unicode", u"FreeTDS",
                                     u"ODBC Driver 17 for SQL Server"};
  EXPECT_EQ(chooseOdbcDriver(Text(u"PostgreSQL Unicode"), withMicrosoft), u"PostgreSQL Unicode");
  EXPECT_EQ(chooseOdbcDriver(Text(), withMicrosoft), u"ODBC Driver 18 for SQL Server");
  EXPECT_EQ(chooseOdbcDriver(std::nullopt, without), u"FreeTDS");
  EXPECT_EQ(chooseOdbcDriver(std::nullopt, {}), u"FreeTDS");
}

TEST(AccessDriverChoice, TheEnginesDriverThenJetsLetterCaseIgnored) {
  struct Case {
    std::vector<Text> installed;
    const char16_t* chosen;
  };
  const std::vector<Case> cases{
      {{u"SQL Server", u"Microsoft Access Driver (*.mdb)",
        u"Microsoft Access Driver (*.mdb, *.accdb)"},
       u"Microsoft Access Driver (*.mdb, *.accdb)"},
      {{u"SQL Server", u"microsoft access driver (*.MDB)"}, u"Microsoft Access Driver (*.mdb)"},
  };
  for (const Case& c : cases) {
    for (const bool program64Bit : {false, true}) {
      EXPECT_EQ(chooseAccessOdbcDriver(c.installed, program64Bit), c.chosen);
    }
  }
}

TEST(AccessDriverChoice, NoneInstalledNamesTheDriverAndTheFlavourThatNeedsNone) {
  struct Case {
    bool program64Bit;
    const char* message;
  };
  for (const Case& c :
       {Case{true,
             "the Access ODBC driver \"Microsoft Access Driver (*.mdb, *.accdb)\" is not installed "
             "(64-bit programs need Microsoft's 64-bit Access Database Engine); the 32-bit (x86) "
             "package needs none"},
        Case{false,
             "the Access ODBC driver \"Microsoft Access Driver (*.mdb)\" is not installed"}}) {
    for (const std::vector<Text>& installed :
         {std::vector<Text>{}, std::vector<Text>{u"SQLite3", u"MDBTools", u"Microsoft Access"}}) {
      try {
        chooseAccessOdbcDriver(installed, c.program64Bit);
        ADD_FAILURE() << "a driver was chosen";
      } catch (const DatabaseError& error) {
        EXPECT_STREQ(error.what(), c.message);
      }
    }
  }
}

struct Translation {
  const char16_t* oleDb;
  const char16_t* driver;
  const char16_t* odbc;
};

class OdbcTranslation : public ::testing::TestWithParam<Translation> {};

TEST_P(OdbcTranslation, GivesTheDriversKeys) {
  const Translation& t = GetParam();
  EXPECT_EQ(toUtf8(odbcConnectionString(ConnectionSettings::parse(t.oleDb), t.driver)),
            toUtf8(t.odbc));
}

const char16_t* const kRimora =
    u"Provider=SQLNCLI11;Data Source=192.168.1.20;User ID=sa;Password=Zr@61730285;"
    u"Initial Catalog=Rimora";

INSTANTIATE_TEST_SUITE_P(
    Table, OdbcTranslation,
    ::testing::Values(
        Translation{kRimora, u"FreeTDS",
                    u"Driver={FreeTDS};Server=192.168.1.20;Database=Rimora;UID=sa;"
                    u"PWD=Zr@61730285;TDS_Version=7.3;ClientCharset=UTF-8;"},
        Translation{kRimora, u"ODBC Driver 18 for SQL Server",
                    u"Driver={ODBC Driver 18 for SQL Server};Server=192.168.1.20;Database=Rimora;"
                    u"UID=sa;PWD=Zr@61730285;Encrypt=no;"},
        Translation{u"Provider=SQLNCLI;Data Source= 藥局主機 , 1433 ;Initial Catalog=藥局",
                    u"PostgreSQL Unicode",
                    u"Driver={PostgreSQL Unicode};Server=藥局主機;Port=1433;Database=藥局;"},
        Translation{u"Provider=SQLNCLI10;Data Source=srv,1433;User ID=sa;Password=",
                    u"odbc driver 18 for sql server",
                    u"Driver={odbc driver 18 for sql server};Server=srv,1433;UID=sa;Encrypt=no;"},
        Translation{u"Provider=SQLNCLI;Data Source=srv\\SQLEXPRESS;Password='a;b}c{d=e'",
                    u"FreeTDS",
                    u"Driver={FreeTDS};Server=srv\\SQLEXPRESS;PWD={a;b}}c{d=e};"
                    u"TDS_Version=7.3;ClientCharset=UTF-8;"},
        Translation{u"Data Source=srv;User ID=' sa';Password=\"it's\"", u"My {Driver}",
                    u"Driver={My {Driver}}};Server=srv;UID={ sa};PWD=it's;"}));

TEST(OdbcTranslation, NoServerOrABadPortFails) {
  for (const char16_t* bad :
       {u"Provider=SQLNCLI11;User ID=sa", u"Data Source=", u"Data Source= ,1433",
        u"Data Source=srv,", u"Data Source=srv,14x3", u"Data Source=srv,-1"}) {
    EXPECT_THROW(odbcConnectionString(ConnectionSettings::parse(bad), u"FreeTDS"), DatabaseError)
        << toUtf8(bad);
  }
}

struct FileTranslation {
  const char16_t* oleDb;
  const char16_t* driver;
  const char16_t* odbc;
};

TEST(OdbcFileTranslation, AccessFilesByDbqSqliteFilesByDatabase) {
  constexpr const char16_t* kProfile =
      u"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=C:\\藥袋\\dbDrugProfile.mdb;"
      u"Jet OLEDB:Database Password=pw";
  const std::vector<FileTranslation> cases = {
      {kProfile, kAccessOdbcDriver.data(),
       u"Driver={Microsoft Access Driver (*.mdb, *.accdb)};DBQ=C:\\藥袋\\dbDrugProfile.mdb;"
       u"PWD=pw;"},
      {kProfile, u"SQLite3", u"Driver={SQLite3};Database=C:\\藥袋\\dbDrugProfile.mdb;PWD=pw;"},
      {u"Data Source='/data/a;b.mdb';Jet OLEDB:Database Password=", u"MDBTools",
       u"Driver={MDBTools};DBQ={/data/a;b.mdb};"},
      {u"Data Source=x.mdb;Jet OLEDB:Database Password=' p}'", u"sqlite",
       u"Driver={sqlite};Database=x.mdb;PWD={ p}}};"},
  };
  for (const FileTranslation& c : cases) {
    EXPECT_EQ(toUtf8(odbcFileConnectionString(ConnectionSettings::parse(c.oleDb), c.driver)),
              toUtf8(c.odbc))
        << toUtf8(c.oleDb);
  }
}

TEST(OdbcFileTranslation, NoDataSourceFails) {
  for (const char16_t* bad : {u"Provider=Microsoft.Jet.OLEDB.4.0", u"Data Source="}) {
    EXPECT_THROW(odbcFileConnectionString(ConnectionSettings::parse(bad), u"MDBTools"),
                 DatabaseError)
        << toUtf8(bad);
  }
}

}  // namespace
}  // namespace pillora
