// The SQL Server path (provider "SQLNCLI11", ODBC, the wide-character calls) against the
// private PostgreSQL server postgres_test.sh starts, through the driver it names in
// RIMORA_ODBC_DRIVER. tblDrugs has the host application's Chinese column names and refuses
// a negative price.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <iostream>

#include "common/db/connection.h"
#include "common/db/recordset.h"
#include "common/text/errors.h"

namespace pillora {
namespace {

const Text kEmptyQuery = u"SELECT * FROM tblDrugs WHERE id=-2";

Text connectionString(const Text& user, const Text& password) {
  const char* port = std::getenv("PILLORA_TEST_PG_PORT");
  return u"Provider=SQLNCLI11;Data Source=127.0.0.1," + fromUtf8(port != nullptr ? port : "1") +
         u";User ID=" + user + u";Password=\"" + replaceAll(password, u"\"", u"\"\"") +
         u"\";Initial Catalog=rimora";
}

class Postgres : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::getenv("PILLORA_TEST_PG_PORT") == nullptr) GTEST_SKIP() << "run by postgres_test.sh";
    m_db.ConnectionString(connectionString(u"sa", u"Zr@61730285"));
    m_db.Open();
    m_db.Execute(u"DELETE FROM tblDrugs");
  }

  // Adds a row through a record set, as the drug-price import does.
  void add(const std::vector<std::pair<Text, FieldValue>>& fields) {
    Recordset rows;
    rows.Open(kEmptyQuery, m_db);
    rows.AddNew();
    for (const auto& [column, value] : fields) rows.Field(column, value);
    rows.Update();
    rows.Close();
  }

  FieldText value(const Text& code, const Text& column) {
    Recordset rows;
    rows.Open(u"SELECT * FROM tblDrugs WHERE 代碼 = '" + code + u"'", m_db);
    return rows.Field(column);
  }

  int count() {
    Recordset rows;
    rows.Open(u"SELECT count(*) AS n FROM tblDrugs", m_db);
    return toInt32(rows.Field(u"n").value_or(u"-1"));
  }

  Connection m_db;
};

TEST_F(Postgres, EveryColumnRoundTripsByItsChineseName) {
  const std::vector<std::pair<Text, FieldValue>> row = {
      {u"新", Text(u"*")},
      {u"單複方註記", Text(u"1")},
      {u"代碼", Text(u"AC12345100")},
      {u"藥價參考金額", 12.5},
      {u"藥價參考日期", Date{2026, 1, 31}},
      {u"藥價參考截止日期", Text(u"2026/12/31")},
      {u"藥品英文名稱", Text(u"ALLOPURINOL TABLETS 100MG \"SINTON\"")},
      {u"藥品規格量", Text(u"0.5")},
      {u"藥品規格單位", Text(u"錠")},
      {u"成份", Text(u"ALLOPURINOL")},
      {u"成份含量", 1e-7},
      {u"含量單位", Text(u"MG")},
      {u"藥品劑型", Text(u"錠劑")},
      {u"製造廠名稱", Text(u"生達化學製藥股份有限公司")},
  };
  add(row);
  const std::vector<std::pair<Text, Text>> expected = {
      {u"新", u"*"},
      {u"單複方註記", u"1"},
      {u"代碼", u"AC12345100"},
      {u"藥價參考金額", u"12.5"},
      {u"藥價參考日期", u"2026-01-31"},
      {u"藥價參考截止日期", u"2026-12-31"},
      {u"藥品英文名稱", u"ALLOPURINOL TABLETS 100MG \"SINTON\""},
      {u"藥品規格量", u"0.5"},
      {u"藥品規格單位", u"錠"},
      {u"成份", u"ALLOPURINOL"},
      {u"成份含量", u"1e-07"},
      {u"含量單位", u"MG"},
      {u"藥品劑型", u"錠劑"},
      {u"製造廠名稱", u"生達化學製藥股份有限公司"},
  };
  for (const auto& [column, text] : expected) {
    EXPECT_EQ(value(u"AC12345100", column), text) << toUtf8(column);
  }
}

TEST_F(Postgres, NullStaysApartFromEmptyTextAndUnsetColumnsAreNull) {
  add({{u"代碼", Text(u"A1")}, {u"藥品英文名稱", Text()}});
  add({{u"代碼", Text(u"A2")}, {u"藥品英文名稱", FieldValue()}, {u"藥價參考金額", FieldValue()}});
  EXPECT_EQ(value(u"A1", u"藥品英文名稱"), u"");
  EXPECT_EQ(value(u"A2", u"藥品英文名稱"), std::nullopt);
  EXPECT_EQ(value(u"A2", u"藥價參考金額"), std::nullopt);
  EXPECT_EQ(value(u"A1", u"藥價參考日期"), std::nullopt);
}

TEST_F(Postgres, ValuesTravelAsParametersNeverAsSql) {
  const Text hostile = u"O'Brien \"藥\"; DROP TABLE tblDrugs; -- ?\\ {x}";
  add({{u"代碼", Text(u"Q1")}, {u"成份", hostile}});
  EXPECT_EQ(value(u"Q1", u"成份"), hostile);
  EXPECT_EQ(count(), 1);
}

TEST_F(Postgres, LongTextReadsWhole) {
  for (const size_t length : {1022U, 1023U, 1024U, 10000U}) {
    const Text text(length, u'藥');
    add({{u"代碼", Text(u"L") + fromUtf8(decimal(static_cast<int64_t>(length)))}, {u"成份", text}});
    EXPECT_EQ(value(u"L" + fromUtf8(decimal(static_cast<int64_t>(length))), u"成份"), text)
        << length;
  }
}

TEST_F(Postgres, ColumnsRefuseWhatTheyCannotTake) {
  Recordset rows;
  rows.Open(kEmptyQuery, m_db);
  EXPECT_TRUE(rows.BOF());
  rows.AddNew();
  EXPECT_THROW(rows.Field(u"藥價參考金額", Text(u"abc")), DatabaseError);
  EXPECT_THROW(rows.Field(u"藥價參考日期", Text(u"2026/02/30")), DatabaseError);
  EXPECT_THROW(rows.Field(u"沒有這欄", Text(u"x")), DatabaseError);
}

TEST_F(Postgres, RollbackLeavesTheTableAsItWas) {
  add({{u"代碼", Text(u"OLD1")}});
  add({{u"代碼", Text(u"OLD2")}});
  m_db.BeginTrans();
  m_db.Execute(u"DELETE FROM tblDrugs");
  add({{u"代碼", Text(u"NEW1")}});
  EXPECT_EQ(count(), 1);
  m_db.RollbackTrans();
  EXPECT_EQ(count(), 2);
  EXPECT_EQ(value(u"OLD1", u"代碼"), u"OLD1");
  EXPECT_TRUE([&] {
    Recordset rows;
    rows.Open(u"SELECT * FROM tblDrugs WHERE 代碼 = 'NEW1'", m_db);
    return rows.BOF();
  }());
}

TEST_F(Postgres, ARefusedRowFailsAndRollbackRestores) {
  add({{u"代碼", Text(u"OLD1")}});
  m_db.BeginTrans();
  m_db.Execute(u"DELETE FROM tblDrugs");
  add({{u"代碼", Text(u"NEW1")}, {u"藥價參考金額", 1.0}});
  try {
    add({{u"代碼", Text(u"BAD")}, {u"藥價參考金額", -1.0}});
    ADD_FAILURE() << "the negative price was taken";
  } catch (const DatabaseError& e) {
    EXPECT_NE(std::string(e.what()).find("藥價不可為負"), std::string::npos) << e.what();
  }
  add({{u"代碼", Text(u"NEW2")}});  // the transaction goes on after a refused row
  EXPECT_EQ(count(), 2);
  m_db.RollbackTrans();
  EXPECT_EQ(count(), 1);
  EXPECT_EQ(value(u"OLD1", u"代碼"), u"OLD1");
}

TEST_F(Postgres, ClosingWithATransactionOpenRollsItBack) {
  add({{u"代碼", Text(u"OLD1")}});
  m_db.BeginTrans();
  m_db.Execute(u"DELETE FROM tblDrugs");
  m_db.Close();
  m_db.Open();
  EXPECT_EQ(count(), 1);
}

TEST_F(Postgres, TransactionsDoNotNest) {
  EXPECT_THROW(m_db.CommitTrans(), DatabaseError);
  EXPECT_THROW(m_db.RollbackTrans(), DatabaseError);
  m_db.BeginTrans();
  EXPECT_THROW(m_db.BeginTrans(), DatabaseError);
  add({{u"代碼", Text(u"KEPT")}});
  m_db.CommitTrans();
  m_db.Close();
  m_db.Open();
  EXPECT_EQ(count(), 1);
}

TEST_F(Postgres, CommitKeepsThirtyThousandRows) {
  add({{u"代碼", Text(u"OLD1")}});
  constexpr int kRows = 30000;
  const auto start = std::chrono::steady_clock::now();
  m_db.BeginTrans();
  m_db.Execute(u"DELETE FROM tblDrugs");
  Recordset rows;
  rows.Open(kEmptyQuery, m_db);
  for (int i = 0; i < kRows; ++i) {
    rows.AddNew();
    rows.Field(u"新", Text());
    rows.Field(u"單複方註記", Text(u"1"));
    rows.Field(u"代碼", u"AC" + fromUtf8(decimal(i)));
    rows.Field(u"藥價參考金額", Text(u"12.5"));
    rows.Field(u"藥價參考日期", Text(u"2026/1/1"));
    rows.Field(u"藥價參考截止日期", Text(u"9999/12/31"));
    rows.Field(u"藥品英文名稱", Text(u"ALLOPURINOL TABLETS 100MG"));
    rows.Field(u"藥品規格量", 30.0);
    rows.Field(u"藥品規格單位", Text(u"錠"));
    rows.Field(u"成份", Text(u"ALLOPURINOL"));
    rows.Field(u"成份含量", 100.0);
    rows.Field(u"含量單位", Text(u"MG"));
    rows.Field(u"藥品劑型", Text(u"錠劑"));
    rows.Field(u"製造廠名稱", Text(u"生達化學製藥股份有限公司"));
    rows.Update();
  }
  rows.Close();
  m_db.CommitTrans();
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  std::cout << kRows << " rows in one transaction through ODBC: " << took.count() << " s ("
            << static_cast<int>(kRows / took.count()) << " rows/s)\n";
  RecordProperty("seconds", std::to_string(took.count()));
  m_db.Close();
  m_db.Open();
  EXPECT_EQ(count(), kRows);
  EXPECT_EQ(value(u"AC29999", u"藥價參考截止日期"), u"9999-12-31");
}

TEST_F(Postgres, BadSqlFailsWithTheServersMessage) {
  try {
    m_db.Execute(u"DELETE FROM 沒有這個表");
    ADD_FAILURE() << "no error";
  } catch (const DatabaseError& e) {
    EXPECT_NE(std::string(e.what()).find("沒有這個表"), std::string::npos) << e.what();
  }
  Recordset rows;
  EXPECT_THROW(rows.Open(u"SELEC 1", m_db), DatabaseError);
}

TEST_F(Postgres, PasswordsNeedingBracesConnectWrongOnesFail) {
  Connection braced;
  braced.ConnectionString(connectionString(u"braced", u"p;w}d{=x'y"));
  braced.Open();
  Recordset rows;
  rows.Open(kEmptyQuery, braced);
  EXPECT_TRUE(rows.BOF());

  Connection wrong;
  wrong.ConnectionString(connectionString(u"braced", u"p;w}d{=x"));
  try {
    wrong.Open();
    ADD_FAILURE() << "a wrong password connected";
  } catch (const DatabaseError& e) {
    EXPECT_NE(std::string(e.what()).find("password authentication failed"), std::string::npos)
        << e.what();
  }
  EXPECT_EQ(wrong.State(), ObjectState::Closed);
}

TEST_F(Postgres, AServerNobodyListensOnFailsAtOnce) {
  Connection nowhere;
  nowhere.ConnectionString(
      u"Provider=SQLNCLI;Data Source=127.0.0.1,1;User ID=sa;Password=x;Initial Catalog=rimora");
  const auto start = std::chrono::steady_clock::now();
  EXPECT_THROW(nowhere.Open(), DatabaseError);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
}

}  // namespace
}  // namespace pillora
