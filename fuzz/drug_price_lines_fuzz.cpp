// Arbitrary bytes as the monthly drug-price file "all.puf": every line is parsed, and every
// usable one added to an SQLite tblDrugs inside a transaction that is then rolled back. No
// crash, no hang; a row the engine refuses is one of the system's own errors.
#include <cstddef>
#include <cstdint>

#include "common/db/connection.h"
#include "common/db/recordset.h"
#include "common/db/sqlite_backend.h"
#include "common/text/attempt.h"
#include "common/text/textfile.h"
#include "fuzz/fuzz_support.h"
#include "velsor/actions/drug_price_line.h"

namespace {

// Rimora's table of drugs, as the price import finds it.
pillora::Connection& rimora() {
  static pillora::Connection* const connection = [] {
    const auto file = (pillora::fuzz::programFolder() / "dbRimora.mdb").string();
    pillora::SqliteBackend::createFile(file)->execute(
        u"CREATE TABLE tblDrugs (id INTEGER PRIMARY KEY, 新 TEXT, 單複方註記 TEXT, 代碼 TEXT, "
        u"藥價參考金額 DOUBLE CHECK (藥價參考金額 >= 0), 藥價參考日期 DATETIME, "
        u"藥價參考截止日期 DATETIME, 藥品英文名稱 TEXT, 藥品規格量 DOUBLE, 藥品規格單位 TEXT, "
        u"成份 TEXT, 成份含量 DOUBLE, 含量單位 TEXT, 藥品劑型 TEXT, 製造廠名稱 TEXT)");
    auto* made = new pillora::Connection;
    made->ConnectionString(u"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" +
                           pillora::fromUtf8(file));
    made->Open();
    return made;
  }();
  return *connection;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pillora;
  Connection& connection = rimora();
  connection.BeginTrans();
  Recordset rs;
  rs.Open(u"SELECT * FROM tblDrugs WHERE id=-2", connection);
  for (const Text& line : splitLines(decodeTextFile(fuzz::bytes(data, size)))) {
    if (addsDrugRow(line)) attempt([&] { insertDrugRecord(line, rs); });
  }
  rs.Close();
  connection.RollbackTrans();
  return 0;
}
