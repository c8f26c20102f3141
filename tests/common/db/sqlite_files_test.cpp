// SQLite database files behind a Jet connection string: read and written in place.
#include <gtest/gtest.h>

#include "common/db/connection.h"
#include "common/db/recordset.h"
#include "common/db/sqlite_backend.h"
#include "common/text/errors.h"
#include "tests/support/scratch_folder.h"

namespace pillora {
namespace {

class SqliteFile : public ::testing::Test {
 protected:
  void SetUp() override {
    SqliteBackend::createFile(m_path)->execute(
        u"CREATE TABLE tblDrugs (代碼 TEXT COLLATE NOCASE NOT NULL, 藥品英文名稱 TEXT COLLATE "
        u"NOCASE, 藥價參考金額 DOUBLE, 藥價參考日期 DATETIME, 備註)");
    m_connection.ConnectionString(
        u"Provider=Microsoft.Jet.OLEDB.4.0;Jet OLEDB:Database "
        u"Password='x';Data Source=" +
        fromUtf8(m_path));
    m_connection.Open();
  }

  void add(const Text& code, FieldValue name) {
    Recordset rows;
    rows.Open(u"SELECT * FROM tblDrugs WHERE 代碼 = '-2'", m_connection);
    rows.AddNew();
    rows.Field(u"代碼", code);
    rows.Field(u"藥品英文名稱", std::move(name));
    rows.Update();
    rows.Close();
  }

  FieldText value(const Text& sql, const Text& column) {
    Recordset rows;
    rows.Open(sql, m_connection);
    return rows.Field(column);
  }

  testing::ScratchFolder m_folder;
  std::string m_path = m_folder.path("dbRimora.mdb");
  Connection m_connection;
};

TEST_F(SqliteFile, NullStaysApartFromEmptyText) {
  add(u"AC12345100", Text(u"頭暈、嗜睡"));
  add(u"AC12345200", Text());
  add(u"AC12345300", FieldValue());
  const Text query = u"SELECT tblDrugs.* FROM tblDrugs WHERE  代碼 = '";
  EXPECT_EQ(value(query + u"AC12345100'", u"藥品英文名稱"), u"頭暈、嗜睡");
  EXPECT_EQ(value(query + u"AC12345200'", u"藥品英文名稱"), u"");
  EXPECT_EQ(value(query + u"AC12345300'", u"藥品英文名稱"), std::nullopt);
}

TEST_F(SqliteFile, TextComparesIgnoringCaseAndLikeTakesWildcards) {
  add(u"AC123451G0", Text(u"Allopurinol"));
  EXPECT_EQ(value(u"SELECT * FROM tblDrugs WHERE 代碼 = 'ac123451g0'", u"代碼"), u"AC123451G0");
  EXPECT_EQ(value(u"SELECT * FROM tblDrugs WHERE 代碼 LIKE 'a%' AND  (代碼 LIKE '%123451g0')",
                  u"藥品英文名稱"),
            u"Allopurinol");
  EXPECT_EQ(value(u"SELECT * FROM tblDrugs WHERE 代碼 LIKE 'A_1234%'", u"代碼"), u"AC123451G0");
}

TEST_F(SqliteFile, ANewRowTakesOnlyValuesItsColumnsCanHold) {
  Recordset rows;
  rows.Open(u"SELECT * FROM tblDrugs WHERE 代碼 = '-2'", m_connection);
  EXPECT_TRUE(rows.BOF());
  EXPECT_THROW(rows.Field(u"代碼", Text(u"X")), DatabaseError);  // no new row yet
  EXPECT_THROW(rows.Update(), DatabaseError);
  rows.AddNew();
  rows.Field(u"代碼", Text(u"B0001"));
  EXPECT_THROW(rows.Field(u"藥價參考金額", Text(u"12元")), DatabaseError);
  EXPECT_THROW(rows.Field(u"藥價參考金額", Date{2024, 2, 29}), DatabaseError);
  EXPECT_THROW(rows.Field(u"藥價參考日期", Text(u"2024/02/30")), DatabaseError);
  EXPECT_THROW(rows.Field(u"沒有這欄", Text(u"x")), DatabaseError);
  rows.Field(u"藥價參考日期", Text(u"2024/2/29"));
  rows.Field(u"備註", 2.5);
  EXPECT_EQ(rows.Field(u"藥價參考金額"), std::nullopt);
  EXPECT_EQ(rows.Field(u"備註"), u"2.5");
  rows.Update();
  EXPECT_FALSE(rows.BOF());
  rows.AddNew();
  rows.Field(u"代碼", Text(u"B0002"));
  rows.Field(u"藥價參考金額", Text(u" 12.5 "));
  rows.Update();

  const Text query = u"SELECT * FROM tblDrugs WHERE 代碼 = ";
  EXPECT_EQ(value(query + u"'B0001'", u"藥價參考日期"), u"2024-02-29");
  EXPECT_EQ(value(query + u"'B0001'", u"藥價參考金額"), std::nullopt);
  EXPECT_EQ(value(query + u"'B0002'", u"藥價參考金額"), u"12.5");
}

// Rows that set other columns, in another order or twice, than the row before them: each
// stores its own values alone, and reads them back as the current row before and after it
// is saved.
TEST_F(SqliteFile, EachNewRowHoldsOnlyTheFieldsSetOnIt) {
  const std::vector<Text> columns{u"代碼", u"藥品英文名稱", u"藥價參考金額", u"藥價參考日期",
                                  u"備註"};
  struct Case {
    ColumnValues set;
    std::vector<FieldText> stored;  // in the order of columns
  };
  const std::vector<Case> cases{
      {{{u"代碼", Text(u"R1")}, {u"藥品英文名稱", Text(u"A")}, {u"藥價參考金額", 1.5}},
       {u"R1", u"A", u"1.5", std::nullopt, std::nullopt}},
      {{{u"代碼", Text(u"R2")}, {u"藥價參考金額", Text(u" 2.5 ")}},
       {u"R2", std::nullopt, u"2.5", std::nullopt, std::nullopt}},
      {{{u"藥品英文名稱", Text(u"C")},
        {u"代碼", Text(u"R3")},
        {u"藥價參考日期", Date{2024, 2, 29}}},
       {u"R3", u"C", std::nullopt, u"2024-02-29", std::nullopt}},
      {{{u"代碼", Text(u"R4")},
        {u"藥品英文名稱", Text(u"D")},
        {u"藥品英文名稱", Text(u"E")},
        {u"備註", FieldValue()}},
       {u"R4", u"E", std::nullopt, std::nullopt, std::nullopt}},
      {{{u"代碼", Text(u"R5")}, {u"備註", Text(u"x")}},
       {u"R5", std::nullopt, std::nullopt, std::nullopt, u"x"}},
  };
  Recordset rows;
  rows.Open(u"SELECT * FROM tblDrugs WHERE 代碼 = '-2'", m_connection);
  const auto current = [&rows, &columns] {
    std::vector<FieldText> fields;
    for (const Text& column : columns) fields.push_back(rows.Field(column));
    return fields;
  };
  for (const Case& c : cases) {
    rows.AddNew();
    for (const auto& [column, field] : c.set) rows.Field(column, field);
    EXPECT_EQ(current(), c.stored) << toUtf8(*c.stored[0]) << " before saving";
    rows.Update();
    EXPECT_EQ(current(), c.stored) << toUtf8(*c.stored[0]) << " saved";
  }
  rows.Close();
  for (const Case& c : cases) {
    Recordset saved;
    saved.Open(u"SELECT * FROM tblDrugs WHERE 代碼 = '" + *c.stored[0] + u"'", m_connection);
    for (size_t i = 0; i < columns.size(); ++i) {
      EXPECT_EQ(saved.Field(columns[i]), c.stored[i]) << toUtf8(*c.stored[0]) << " " << i;
    }
  }
}

TEST_F(SqliteFile, ARowTheEngineRefusesIsDroppedAndTheNextOneSaves) {
  Recordset rows;
  rows.Open(u"SELECT * FROM tblDrugs", m_connection);
  rows.AddNew();
  rows.Field(u"藥品英文名稱", Text(u"no code"));
  EXPECT_THROW(rows.Update(), DatabaseError);  // 代碼 is NOT NULL
  rows.AddNew();
  rows.Field(u"代碼", Text(u"C0001"));
  rows.Update();
  EXPECT_EQ(value(u"SELECT count(*) AS n FROM tblDrugs", u"n"), u"1");
}

TEST_F(SqliteFile, OnlyARecordSetOfOneTableTakesNewRows) {
  Recordset counted;
  counted.Open(u"SELECT count(*) AS n FROM tblDrugs", m_connection);
  EXPECT_THROW(counted.AddNew(), DatabaseError);
  counted.Close();
  EXPECT_THROW(counted.BOF(), DatabaseError);
  EXPECT_THROW(counted.Close(), DatabaseError);
}

TEST_F(SqliteFile, RowsOutliveTheConnectionAndDeleteEmptiesTheTable) {
  add(u"D0001", Text(u"x"));
  add(u"D0002", Text(u"y"));
  Recordset rows;
  rows.Open(u"SELECT * FROM tblDrugs", m_connection);
  m_connection.Close();
  rows.AddNew();
  rows.Field(u"代碼", Text(u"D0003"));
  EXPECT_THROW(rows.Update(), DatabaseError);  // its connection is gone

  m_connection.Open();
  EXPECT_EQ(value(u"SELECT count(*) AS n FROM tblDrugs", u"n"), u"2");
  m_connection.Execute(u"DELETE FROM tblDrugs");
  EXPECT_EQ(value(u"SELECT count(*) AS n FROM tblDrugs", u"n"), u"0");
  EXPECT_THROW(m_connection.Execute(u"DELETE FROM nowhere"), DatabaseError);
  EXPECT_THROW(SqliteBackend::createFile(m_path), DatabaseError);
}

TEST_F(SqliteFile, RollbackRestoresTheTableEvenAfterARefusedRow) {
  add(u"OLD1", Text(u"x"));
  const Text count = u"SELECT count(*) AS n FROM tblDrugs";
  m_connection.BeginTrans();
  m_connection.Execute(u"DELETE FROM tblDrugs");
  add(u"NEW1", Text(u"y"));
  Recordset rows;
  rows.Open(u"SELECT * FROM tblDrugs", m_connection);
  rows.AddNew();
  EXPECT_THROW(rows.Update(), DatabaseError);  // 代碼 is NOT NULL
  rows.Close();
  EXPECT_EQ(value(count, u"n"), u"1");
  m_connection.RollbackTrans();
  EXPECT_EQ(value(count, u"n"), u"1");
  EXPECT_EQ(value(u"SELECT * FROM tblDrugs", u"代碼"), u"OLD1");
}

TEST_F(SqliteFile, CommitKeepsTheRowsAndClosingUncommittedDropsThem) {
  m_connection.BeginTrans();
  add(u"KEPT", Text(u"x"));
  m_connection.CommitTrans();
  m_connection.BeginTrans();
  m_connection.Execute(u"DELETE FROM tblDrugs");
  m_connection.Close();
  m_connection.Open();
  EXPECT_EQ(value(u"SELECT * FROM tblDrugs", u"代碼"), u"KEPT");
}

TEST_F(SqliteFile, TransactionsDoNotNest) {
  EXPECT_THROW(m_connection.CommitTrans(), DatabaseError);
  EXPECT_THROW(m_connection.RollbackTrans(), DatabaseError);
  m_connection.BeginTrans();
  EXPECT_THROW(m_connection.BeginTrans(), DatabaseError);
  m_connection.RollbackTrans();
  m_connection.Close();
  EXPECT_THROW(m_connection.BeginTrans(), DatabaseError);  // closed
}

}  // namespace
}  // namespace pillora
