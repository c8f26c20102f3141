// The drug-price import into a SQLite "dbRimora.mdb" in a fake Rimora folder: the rows and
// their values, the progress the page shows, where the database is found, and that a
// failure leaves the table and "all.puf" as they were.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "common/db/sqlite_backend.h"
#include "common/text/codepage.h"
#include "common/text/errors.h"
#include "tests/support/update_folders.h"
#include "velsor/actions/price_update_actioner.h"

namespace fs = std::filesystem;

namespace pillora::testing {
namespace {

const Text kHeader =
    u"id\t新\t單複方註記\t代碼\t藥價參考金額\t藥價參考日期\t藥價參考截止日期\t藥品英文名稱\t"
    u"藥品規格量\t藥品規格單位\t成份\t成份含量\t含量單位\t藥品劑型\t製造廠名稱";
const Text kFailure = u"更新藥價作業失敗，可能的原因為：\r\n";

// A usable line for drug code `code` at `price`.
Text drugLine(const Text& code, const Text& price) {
  return u"1\t*\t1\t" + code + u"\t" + price +
         u"\t2026/01/01\t2026-12-31\tPANADOL 500MG\t1000\t錠\tACETAMINOPHEN\t500\tMG\t錠劑\t生達";
}

class PriceUpdate : public ::testing::Test, public UpdateFolders {
 protected:
  PriceUpdate() {
    SqliteBackend::createFile(database.string())
        ->execute(
            u"CREATE TABLE tblDrugs (id INTEGER PRIMARY KEY, 新 TEXT, 單複方註記 TEXT, 代碼 TEXT, "
            u"藥價參考金額 DOUBLE CHECK (藥價參考金額 >= 0), 藥價參考日期 DATETIME, "
            u"藥價參考截止日期 DATETIME, 藥品英文名稱 TEXT, 藥品規格量 DOUBLE, 藥品規格單位 TEXT, "
            u"成份 TEXT, 成份含量 DOUBLE, 含量單位 TEXT, 藥品劑型 TEXT, 製造廠名稱 TEXT)");
    SqliteBackend::openFile(database.string())
        ->execute(u"INSERT INTO tblDrugs (代碼, 藥價參考金額) VALUES ('OLD0000001', 1.5)");
  }

  void writePuf(const std::vector<Text>& lines) {
    std::string bytes;
    for (const Text& line : lines) bytes += encodeCp950(line) + "\r\n";
    writeBytes(puf, bytes);
  }

  std::vector<std::string> run() {
    C16180301 action(files, page);
    action.action(view);
    return page.lines;
  }

  // Rows of tblDrugs in insertion order, the named columns of each.
  std::vector<Row> rows(const Text& columns = u"代碼") const {
    return SqliteBackend::openFile(database.string())
        ->query(u"SELECT " + columns + u" FROM tblDrugs ORDER BY id", 1'000'000)
        .rows;
  }

  std::vector<std::string> progress() const {
    std::vector<std::string> values;
    for (const std::string& line : page.lines) {
      if (line.starts_with("progress\t")) values.push_back(line.substr(9));
    }
    return values;
  }

  // The old table and the update file are untouched, and the failure was shown.
  void expectNothingChanged(const std::string& reason) {
    EXPECT_TRUE(fs::exists(puf));
    expectFailure(reason);
  }
  void expectFailure(const std::string& reason) {
    EXPECT_EQ(rows(), std::vector<Row>{{u"OLD0000001"}});
    ASSERT_EQ(page.boxes.size(), 1U);
    EXPECT_EQ(page.boxes[0].title, u"錯誤");
    EXPECT_EQ(page.boxes[0].icon, MessageBox::Icon::Critical);
    EXPECT_TRUE(page.boxes[0].text.starts_with(kFailure));
    EXPECT_NE(toUtf8(page.boxes[0].text).find(reason), std::string::npos)
        << toUtf8(page.boxes[0].text);
  }

  fs::path database = host / "dbRimora.mdb";
  fs::path puf = pack / "all.puf";
};

TEST_F(PriceUpdate, UsableLinesReplaceTheTableWithTheirConvertedValues) {
  writePuf({
      kHeader,
      Text(u"1\tN\t2\tAC00001100\t12.5\t2026/1/31\t2026-12-31\t") +
          u"ASPIRIN\t0.5\t錠\tASA\t1e2\tMG\t錠劑\t生達\tpast",
      u"2\t\t1\tAC00002100\t 3 \t2026/02/30\tnone\tX\tabout 10\tmL\t\t\t\t\t",
      u"3\t\t1\tAC00003100\tfree\t2026/01/01\t2026/01/01\tX\t1\tmL\t\t1\t\t\t",
      u"4\t\t1\tAC00004100\t\t2026/01/01\t2026/01/01\tX\t1\tmL\t\t1\t\t\t",
      u"5\t\t1\tAC00005100\t1\t2026/01/01\t2026/01/01\tX\t1\tmL\t\t1\t\t",
      u"6\t\t1\tAC00006100\t1e999\t2026/01/01\t2026/01/01\tX\t1e999\tmL\t\t,5\t\t\t",
  });
  const std::vector<std::string> lines = run();
  const Text all =
      u"新, 單複方註記, 代碼, 藥價參考金額, 藥價參考日期, 藥價參考截止日期, 藥品英文名稱, "
      u"藥品規格量, 藥品規格單位, 成份, 成份含量, 含量單位, 藥品劑型, 製造廠名稱";
  // Field 15 on is ignored; a date that is none stays NULL; a quantity or strength that is
  // no number is 0; a price beyond double range leaves the column NULL. Lines 3 to 5 (price
  // no number, price empty, 14 fields) add no row, nor does the header.
  const std::vector<Row> expected{
      {u"N", u"2", u"AC00001100", u"12.5", u"2026-01-31", u"2026-12-31", u"ASPIRIN", u"0.5", u"錠",
       u"ASA", u"100.0", u"MG", u"錠劑", u"生達"},
      {u"", u"1", u"AC00002100", u"3.0", std::nullopt, std::nullopt, u"X", u"0.0", u"mL", u"",
       u"0.0", u"", u"", u""},
      {u"", u"1", u"AC00006100", std::nullopt, u"2026-01-01", u"2026-01-01", u"X", std::nullopt,
       u"mL", u"", u"0.0", u"", u"", u""},
  };
  EXPECT_EQ(rows(all), expected);
  EXPECT_FALSE(fs::exists(puf));
  EXPECT_TRUE(page.boxes.empty());
  EXPECT_EQ(lines.at(0),
            "message\t" + toUtf8(u"V\\t刪除現有資料庫中的藥品資料\\r\\n\\t讀取本次更新資料檔"
                                 u"\\r\\n\\t新增藥品資料到資料庫中\\r\\n\\t刪除不給付的藥"
                                 u"品資料\\r\\n\\t同步藥袋資訊\\r\\n"));
  EXPECT_EQ(lines.at(2),
            "message\t" + toUtf8(u"藥價更新程序作業中．．．　(目前正處理第1筆藥品資料。)"
                                 u"\\r\\n\\r\\n１．更新過程中請勿中斷程式。\\r\\n２．硬體"
                                 u"規格不同,您的畫面可能會出現閃爍狀況,屬於正常情況,請勿擔心。"));
  EXPECT_EQ(page.eventsLetThrough, 14);  // once per line read, once per row added
}

TEST_F(PriceUpdate, ProgressRunsFromZeroToTheLastLineShare) {
  struct Case {
    int lines;
    std::vector<std::string> first;
    std::string last;
  };
  for (const Case& c :
       {Case{3, {"0", "33", "67"}, "67"}, Case{250, {"0", "0", "1", "1", "2"}, "100"}}) {
    page.lines.clear();
    std::vector<Text> lines;
    lines.reserve(static_cast<size_t>(c.lines));
    for (int i = 0; i < c.lines; ++i) lines.push_back(drugLine(fromUtf8(decimal(i)), u"1"));
    writePuf(lines);
    run();
    const std::vector<std::string> values = progress();
    ASSERT_EQ(values.size(), static_cast<size_t>(c.lines));
    EXPECT_EQ(std::vector<std::string>(values.begin(), values.begin() + c.first.size()), c.first);
    EXPECT_EQ(values.back(), c.last);
    EXPECT_EQ(rows().size(), static_cast<size_t>(c.lines));
  }
}

// The reading message is shown for the first line, again once its count has moved by 1 % of
// the lines, and for the last line: the output does not grow with the file.
TEST_F(PriceUpdate, TheReadingMessageIsShownForEachPercentOfTheLines) {
  const std::string reading = toUtf8(u"message\t藥價更新程序作業中．．．　(目前正處理第");
  for (const auto& [lines, shown] : {std::pair{3, 3}, std::pair{250, 84}, std::pair{1001, 92}}) {
    page.lines.clear();
    std::vector<Text> file;
    for (int i = 0; i < lines; ++i) file.push_back(drugLine(fromUtf8(decimal(i)), u"1"));
    writePuf(file);
    run();
    std::vector<std::string> messages;
    std::copy_if(page.lines.begin(), page.lines.end(), std::back_inserter(messages),
                 [&](const std::string& line) { return line.starts_with(reading); });
    ASSERT_EQ(messages.size(), static_cast<std::size_t>(shown)) << lines;
    EXPECT_TRUE(messages.front().starts_with(reading + "1筆"));
    EXPECT_TRUE(messages.back().starts_with(reading + decimal(lines) + "筆"));
    EXPECT_EQ(rows().size(), static_cast<size_t>(lines));
  }
}

// A file larger than the import takes is refused by its size, before a byte of it is read.
TEST_F(PriceUpdate, AFileLargerThanTheImportTakesIsRefusedUnread) {
  writeBytes(puf, "");
  fs::resize_file(puf, std::uintmax_t{256} * 1024 * 1024 + 1);
  run();
  expectNothingChanged("holds 268435457 bytes, more than 268435456");
}

TEST_F(PriceUpdate, TheDatabaseTheConfigNamesIsTheOneUpdated) {
  const fs::path elsewhere = scratch.folder() / "data.mdb";
  fs::copy_file(database, elsewhere);
  std::ofstream(host / "Rimora.config") << elsewhere.string() << "\r\n";
  writePuf({drugLine(u"NEW0000001", u"2")});
  run();
  EXPECT_EQ(rows(), std::vector<Row>{{u"OLD0000001"}});
  EXPECT_EQ(
      SqliteBackend::openFile(elsewhere.string())->query(u"SELECT 代碼 FROM tblDrugs", 9).rows,
      std::vector<Row>{{u"NEW0000001"}});
}

TEST_F(PriceUpdate, ARowTheDatabaseRefusesLeavesTableAndFileAsTheyWere) {
  writePuf(
      {drugLine(u"A", u"1"), drugLine(u"B", u"2"), drugLine(u"C", u"-1"), drugLine(u"D", u"3")});
  run();
  expectNothingChanged("CHECK constraint failed");
}

TEST_F(PriceUpdate, AFileWithoutAUsableLineChangesNothing) {
  struct Case {
    const char* name;
    std::string bytes;
  };
  std::string binary;
  for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 7919) % 256);
  for (const Case& c : {Case{"empty", ""}, Case{"binary", binary},
                        Case{"header only", encodeCp950(kHeader) + "\r\n"}}) {
    page.boxes.clear();
    writeBytes(puf, c.bytes);
    run();
    SCOPED_TRACE(c.name);
    expectNothingChanged("no drug-price line");
  }
}

TEST_F(PriceUpdate, OddTextIsStoredAsRead) {
  const Text longText(10'000, u'藥');
  std::string bytes = encodeCp950(u"1\t*\t1\tLONG\t1\t2026/01/01\t2026/01/01\t" + longText +
                                  u"\t1\tmL\t\t1\t\t\t") +
                      "\r\n";
  // A lead byte with no valid trail byte: the field keeps U+FFFD in its place.
  bytes += "1\t*\t1\tBIG5\t2\t2026/01/01\t2026/01/01\t\x81\x20X\t1\tmL\t\t1\t\t\t\r\n";
  writeBytes(puf, bytes);
  run();
  const std::vector<Row> stored = rows(u"代碼, 藥品英文名稱");
  ASSERT_EQ(stored.size(), 2U);
  EXPECT_EQ(stored[0][1], longText);
  EXPECT_EQ(stored[1][1], Text(u"\uFFFD X"));
  EXPECT_FALSE(fs::exists(puf));
}

TEST_F(PriceUpdate, AMissingFileFolderOrWritableDatabaseChangesNothing) {
  run();
  expectFailure("all.puf");

  writePuf({drugLine(u"A", u"1")});
  page.boxes.clear();
  setHost("");
  run();
  expectNothingChanged("Rimora folder is not set");
  setHost(host);

  // Access files are read, never written, on this platform; the Access file at hand holds no
  // tblDrugs, so the engine refuses the first statement for that already.
  const fs::path sqlite = scratch.folder() / "sqlite.mdb";
  fs::rename(database, sqlite);
  fs::copy_file(testFixture("jet/V2000_no-password.mdb"), database);
  page.boxes.clear();
  run();
  EXPECT_TRUE(fs::exists(puf));
  ASSERT_EQ(page.boxes.size(), 1U);
  EXPECT_EQ(page.boxes[0].text, kFailure + u"no such table: tblDrugs");
}

}  // namespace
}  // namespace pillora::testing
