// The drug-price import into a SQL Server database named by "Rimora.config", reached
// through ODBC: a private PostgreSQL server, started by postgres_test.sh, stands in for it.
// Its tblDrugs refuses a negative price.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "common/db/recordset.h"
#include "common/text/codepage.h"
#include "common/text/errors.h"
#include "tests/support/update_folders.h"
#include "velsor/actions/price_update_actioner.h"

namespace fs = std::filesystem;

namespace pillora::testing {
namespace {

Text drugLine(int i, const Text& price) {
  const Text n = fromUtf8(decimal(i));
  return n + u"\t*\t1\tAC" + n + u"\t" + price + u"\t2026/01/01\t2026/12/31\tDRUG " + n +
         u"\t0.5\t錠\t成份" + n + u"\tx\tMG\t錠劑\t生達化學製藥股份有限公司";
}

class PriceUpdateOdbc : public ::testing::Test, public UpdateFolders {
 protected:
  void SetUp() override {
    const char* port = std::getenv("PILLORA_TEST_PG_PORT");
    if (port == nullptr) GTEST_SKIP() << "run by postgres_test.sh";
    std::ofstream(host / "Rimora.config")
        << "<SQLNCLI>11</SQLNCLI>\r\n<IP>127.0.0.1," << port << "</IP><DB>rimora</DB>\r\n";
    m_db.ConnectionString(u"Provider=SQLNCLI11;Data Source=127.0.0.1," + fromUtf8(port) +
                          u";User ID=sa;Password=Zr@61730285;Initial Catalog=rimora");
    m_db.Open();
    m_db.Execute(u"DELETE FROM tblDrugs");
    m_db.Execute(u"INSERT INTO tblDrugs (代碼) VALUES ('OLD0000001')");
  }

  void writePuf(int count, int negativeAt = -1) {
    std::ofstream file(puf, std::ios::binary);
    for (int i = 0; i < count; ++i) {
      file << encodeCp950(drugLine(i, i == negativeAt ? u"-1" : u"12.5")) << "\r\n";
    }
  }

  void run() {
    C16180301 action(files, page);
    action.action(view);
  }

  FieldText value(const Text& sql, const Text& column) {
    Recordset rows;
    rows.Open(sql, m_db);
    return rows.Field(column);
  }
  int count() {
    return toInt32(value(u"SELECT count(*) AS n FROM tblDrugs", u"n").value_or(u"-1"));
  }

  void expectOldTableAndFile() {
    EXPECT_EQ(count(), 1);
    EXPECT_EQ(value(u"SELECT * FROM tblDrugs", u"代碼"), u"OLD0000001");
    EXPECT_TRUE(fs::exists(puf));
  }

  fs::path puf = pack / "all.puf";
  Connection m_db;
};

TEST_F(PriceUpdateOdbc, ThirtyThousandLinesInOneTransaction) {
  constexpr int kLines = 30'000;
  writePuf(kLines);
  const auto start = std::chrono::steady_clock::now();
  run();
  const auto took = std::chrono::duration<double>(std::chrono::steady_clock::now() - start);
  std::cout << "import of " << kLines << " lines through ODBC: " << took.count() << " s\n";
  EXPECT_TRUE(page.boxes.empty());
  EXPECT_EQ(count(), kLines);
  EXPECT_FALSE(fs::exists(puf));
  const Text last = u"SELECT * FROM tblDrugs WHERE 代碼 = 'AC29999'";
  const std::vector<std::pair<Text, Text>> expected{{u"藥價參考金額", u"12.5"},
                                                    {u"藥品規格量", u"0.5"},
                                                    {u"成份含量", u"0"},
                                                    {u"藥品規格單位", u"錠"},
                                                    {u"製造廠名稱", u"生達化學製藥股份有限公司"},
                                                    {u"藥品英文名稱", u"DRUG 29999"}};
  for (const auto& [column, text] : expected)
    EXPECT_EQ(value(last, column), text) << toUtf8(column);
  EXPECT_TRUE(value(last, u"藥價參考截止日期").value_or(u"").starts_with(u"2026-12-31"));
}

TEST_F(PriceUpdateOdbc, ARowTheServerRefusesLeavesTableAndFileAsTheyWere) {
  writePuf(100, 60);
  run();
  expectOldTableAndFile();
  ASSERT_EQ(page.boxes.size(), 1U);
  EXPECT_EQ(page.boxes[0].title, u"錯誤");
}

// The update program killed outright part way: the server drops the open transaction.
TEST_F(PriceUpdateOdbc, AKilledImportLeavesTableAndFileAsTheyWere) {
  const char* velsor = std::getenv("VELSOR_PROGRAM");
  if (velsor == nullptr) GTEST_SKIP() << "VELSOR_PROGRAM names the program";
  writePuf(20'000);
  const ScopedEnvironment silent{"VELSOR_SILENT", "1"};
  const ScopedEnvironment action{"VELSOR_ACTION", "price-update"};
  const std::string command = "echo $$; exec '" + std::string(velsor) + "'";
  FILE* out = popen(command.c_str(), "r");
  ASSERT_NE(out, nullptr);
  std::array<char, 4096> line{};
  ASSERT_NE(fgets(line.data(), line.size(), out), nullptr);
  const pid_t pid = std::stoi(line.data());
  bool importing = false;
  while (!importing && fgets(line.data(), line.size(), out) != nullptr) {
    importing = std::string(line.data()) == "progress\t10\n";
  }
  ASSERT_TRUE(importing);
  kill(pid, SIGKILL);
  pclose(out);
  expectOldTableAndFile();
}

}  // namespace
}  // namespace pillora::testing
