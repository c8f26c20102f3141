// Real Access files: the Jet 4 fixtures read through a Jet connection string.
#include <gtest/gtest.h>

#include "common/db/connection.h"
#include "common/db/jet_password.h"
#include "common/db/recordset.h"
#include "common/text/errors.h"
#include "common/text/textfile.h"
#include "tests/support/scratch_folder.h"

namespace pillora {
namespace {

using testing::testFixture;

Text jetConnectionString(const std::string& file, const char16_t* provider,
                         const char16_t* password) {
  Text text = Text(u"Provider=") + provider + u";";
  if (password != nullptr) text += Text(u"Jet OLEDB:Database Password='") + password + u"';";
  return text + u"data source=" + fromUtf8(testFixture("jet/" + file));
}

void open(Connection& connection, const std::string& file, const char16_t* password = nullptr) {
  connection.ConnectionString(jetConnectionString(file, u"Microsoft.Jet.OleDb.4.0", password));
  connection.Open();
}

FieldText firstValue(Connection& connection, const Text& sql, const Text& column) {
  Recordset rows;
  rows.Open(sql, connection);
  FieldText value = rows.BOF() ? std::nullopt : rows.Field(column);
  rows.Close();
  return value;
}

TEST(JetFiles, EveryFixtureOpensAndReadsTable1) {
  struct Case {
    const char* file;
    const char16_t* provider;
    const char16_t* password;
  };
  for (const Case& c : {Case{"V2000_no-password.mdb", u"Microsoft.Jet.OLEDB.4.0", nullptr},
                        Case{"V2000_with-password.mdb", u"Microsoft.Jet.OleDb.4.0", u"password"},
                        Case{"V2003_with-password.mdb", u"microsoft.jet.oledb.4.0", u"password"},
                        Case{"V2000_no-password.mdb", u"MICROSOFT.JET.OLEDB.4.0", u"any"}}) {
    SCOPED_TRACE(c.file);
    Connection connection;
    connection.ConnectionString(jetConnectionString(c.file, c.provider, c.password));
    connection.Open();
    EXPECT_EQ(connection.State(), ObjectState::Open);
    Recordset rows;
    rows.Open(u"SELECT * FROM Table1 WHERE ID = 1", connection);
    ASSERT_FALSE(rows.BOF());
    EXPECT_EQ(rows.Field(u"ID"), u"1");
    EXPECT_EQ(rows.Field(u"data"), u"One");
    EXPECT_EQ(firstValue(connection, u"SELECT Data FROM Table1 WHERE ID = 3", u"Data"), u"Three");
    EXPECT_EQ(firstValue(connection, u"SELECT count(*) AS n FROM Table1", u"n"), u"3");
  }
}

TEST(JetFiles, TheStoredPasswordReadsBack) {
  const auto stored = [](const std::string& file) {
    return storedJetPassword(readFileBytes(testFixture("jet/" + file)).substr(0, 0x7a));
  };
  EXPECT_EQ(stored("V2000_no-password.mdb"), u"");
  EXPECT_EQ(stored("V2000_with-password.mdb"), u"password");
  EXPECT_EQ(stored("V2003_with-password.mdb"), u"password");
  EXPECT_EQ(storedJetPassword("too short"), u"");
}

TEST(JetFiles, AProtectedFileOpensOnlyWithItsPassword) {
  for (const char16_t* wrong : {static_cast<const char16_t*>(nullptr), u"Password", u"passwor"}) {
    Connection connection;
    connection.ConnectionString(
        jetConnectionString("V2003_with-password.mdb", u"Microsoft.Jet.OLEDB.4.0", wrong));
    EXPECT_THROW(connection.Open(), DatabaseError);
    EXPECT_EQ(connection.State(), ObjectState::Closed);
  }
}

TEST(JetFiles, TextComparesIgnoringCaseAsJetDoes) {
  Connection connection;
  open(connection, "V2000_with-password.mdb", u"password");
  EXPECT_EQ(firstValue(connection, u"SELECT * FROM Table1 WHERE Data = 'tWO'", u"ID"), u"2");
  EXPECT_EQ(firstValue(connection, u"SELECT * FROM Table1 WHERE Data LIKE 'th%'", u"ID"), u"3");
  EXPECT_EQ(firstValue(connection, u"SELECT * FROM Table1 WHERE Data LIKE '_NE'", u"ID"), u"1");
  Recordset none;
  none.Open(u"SELECT * FROM Table1 WHERE Data = 'Four'", connection);
  EXPECT_TRUE(none.BOF());
  EXPECT_THROW(none.Field(u"Data"), DatabaseError);
}

TEST(JetFiles, EveryWriteFailsWithAClearMessage) {
  Connection connection;
  open(connection, "V2000_no-password.mdb");
  const auto expectRefused = [](auto&& write) {
    try {
      write();
      ADD_FAILURE() << "the write was not refused";
    } catch (const DatabaseError& error) {
      EXPECT_NE(std::string(error.what()).find("reads Access database files but does not write"),
                std::string::npos)
          << error.what();
    }
  };
  expectRefused([&] { connection.Execute(u"DELETE FROM Table1"); });
  expectRefused([&] { connection.Execute(u"CREATE TABLE t (x TEXT)"); });
  Recordset rows;
  rows.Open(u"SELECT * FROM Table1 WHERE ID = -2", connection);
  rows.AddNew();
  rows.Field(u"ID", 4.0);
  rows.Field(u"Data", Text(u"Four"));
  expectRefused([&] { rows.Update(); });
  EXPECT_EQ(firstValue(connection, u"SELECT count(*) AS n FROM Table1", u"n"), u"3");
}

TEST(Connection, MissingFileOrUnknownFormatOrProviderFailsTheOpen) {
  testing::ScratchFolder folder;
  const std::string notADatabase = folder.write("notes.mdb", "Standard Jet DB? no, plain text");
  for (const Text& text :
       {u"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + fromUtf8(folder.path("none.mdb")),
        u"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + fromUtf8(notADatabase),
        Text(u"Provider=Microsoft.Jet.OLEDB.4.0"),
        Text(u"Provider=SQLOLEDB;Data Source=127.0.0.1,1;User ID=sa;Password=x"),
        // nobody listens on port 1: refused at once
        Text(
            u"Provider=SQLNCLI10;Data Source=127.0.0.1,1;User ID=sa;Password=x;Initial Catalog=db"),
        u"Data Source=" + fromUtf8(notADatabase)}) {
    SCOPED_TRACE(toUtf8(text));
    Connection connection;
    connection.ConnectionString(text);
    EXPECT_THROW(connection.Open(), DatabaseError);
    EXPECT_EQ(connection.State(), ObjectState::Closed);
    EXPECT_THROW(connection.Execute(u"SELECT 1"), DatabaseError);
  }
}

TEST(Connection, AnOpenConnectionRefusesANewStringAndASecondOpen) {
  Connection connection;
  open(connection, "V2000_no-password.mdb");
  const Text before = connection.ConnectionString();
  EXPECT_THROW(connection.ConnectionString(u"Provider=Other"), DatabaseError);
  EXPECT_THROW(connection.Open(), DatabaseError);
  EXPECT_EQ(connection.ConnectionString(), before);
  EXPECT_EQ(connection.State(), ObjectState::Open);
  EXPECT_EQ(firstValue(connection, u"SELECT Data FROM Table1 WHERE ID = 2", u"Data"), u"Two");

  connection.Close();
  EXPECT_EQ(connection.State(), ObjectState::Closed);
  EXPECT_THROW(connection.Close(), DatabaseError);
  Recordset rows;
  EXPECT_THROW(rows.Open(u"SELECT * FROM Table1", connection), DatabaseError);
  connection.Open();
  EXPECT_EQ(connection.State(), ObjectState::Open);
}

}  // namespace
}  // namespace pillora
