#include "pillora/startup/profile_lookup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sstream>
#include <vector>

#include "common/db/sqlite_backend.h"
#include "pillora/profiletool/profile_csv.h"
#include "pillora/profiletool/profile_database.h"
#include "tests/support/damaged_access.h"
#include "tests/support/temp_folder.h"

namespace pillora {
namespace {

constexpr char16_t kWarningA[] =
    u"可能發生罕見但嚴重的皮膚過敏反應，如(SJS/TEN)不良反應，如果出現喉嚨痛、嘴巴破、眼睛癢、"
    u"皮膚紅疹等，應立即停藥回診主治醫師。";
constexpr char16_t kWarningB[] =
    u"可能發生罕見但嚴重的皮膚不良/過敏反應，如用藥後發生喉痛、口腔/黏膜潰爛、皮疹等症狀，"
    u"應立即就醫並考慮停藥。";

constexpr char kProfiles[] =
    "藥品代碼,藥品名稱,中文品名,藥品外觀,適應症,其他用藥指示,副作用,藥品警語\r\n"
    "AC12345100,ALLOPURINOL 100MG,痛風寧錠,白色圓形錠,痛風,飯後服用。避免開車。,"
    "頭暈、嗜睡、口乾,多喝水。\r\n"
    "BC234561G0,CARBAMAZEPINE 200MG,癲平錠,白色刻痕錠,癲癇,\"依指示服用。\r\n勿停藥。\",頭暈,\r\n"
    "AC12345129,ACETAMINOPHEN,退熱寧錠,白色錠,退燒,每日不可超過八錠。不可併用。,  ,肝病者慎用。\r\n"
    "AC99999100,,,,,,,\r\n"
    "AC99998100,\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"
    "AO'1234500,O'DRUG,歐錠,藍色錠,測試,無。,嗜睡,小心。\r\n"
    "AC1234_100,PATTERN,圖樣錠,,,,,\r\n";

class ProfileLookupTest : public ::testing::Test {
 protected:
  void SetUp() override { buildProfileDatabase(readProfileCsv(kProfiles).rows, database()); }

  std::string database() const { return m_home.file("dbDrugProfile.mdb"); }

  static CDrugBagItem drug(const Text& code, const Text& brand = Text()) {
    CDrugBagItem item;
    item.藥品代碼(code);
    item.藥品名稱(u"job name");
    item.藥品廠牌(brand);
    return item;
  }

  CDrugBagItem lookedUp(const Text& code, const Text& brand = Text()) {
    CDrugBagItem item = drug(code, brand);
    m_lookup.lookUpProfile(item);
    return item;
  }

  testing::TempProgramFolder m_home;
  RunState m_state;
  ProfileLookup m_lookup{m_state};
};

TEST_F(ProfileLookupTest, QueryTextsAreTheSystemsOwn) {
  const Text pair =
      u"SELECT * FROM tblDrugBag WHERE 藥品代碼 LIKE 'A%' AND  (藥品代碼 LIKE '%12345100' OR  "
      u"藥品代碼 LIKE '%123451G0')";
  EXPECT_EQ(profileSearchQuery(u"AC12345100"), pair);
  EXPECT_EQ(profileSearchQuery(u"AC123451G0"), pair);
  EXPECT_EQ(profileSearchQuery(u"AC123451GX"), pair);  // a "G" ninth character reads as "00"
  EXPECT_EQ(profileSearchQuery(u"AC12345100 ALLOPURINOL"), pair);
  EXPECT_EQ(profileSearchQuery(u"AC12345129"),
            u"SELECT * FROM tblDrugBag WHERE 藥品代碼 LIKE 'A%' AND  (藥品代碼 LIKE '%12345129')");
  EXPECT_EQ(
      profileSearchQuery(u"A'1'234500"),
      u"SELECT * FROM tblDrugBag WHERE 藥品代碼 LIKE 'A%' AND  (藥品代碼 LIKE '%1''234500' OR  "
      u"藥品代碼 LIKE '%1''2345G0')");
  EXPECT_EQ(drgProfileQuery(u"AC12345100"),
            u"SELECT tblDrugBag.* FROM tblDrugBag WHERE  藥品代碼 = 'AC12345100'");
  EXPECT_EQ(drgProfileQuery(u"O'K"),
            u"SELECT tblDrugBag.* FROM tblDrugBag WHERE  藥品代碼 = 'O''K'");
  EXPECT_EQ(profileConnectionString(),
            u"Provider=Microsoft.Jet.OleDb.4.0;Jet OLEDB:Database Password='Zr@pqLM50917';"
            u"data source=" +
                fromUtf8(database()));
}

TEST_F(ProfileLookupTest, PackageSuffixes00AndG0FindEachOther) {
  const CDrugBagItem generic = lookedUp(u" AC123451G0 ");
  EXPECT_EQ(generic.藥品代碼(), u"AC123451G0");  // trimmed, suffix kept
  EXPECT_EQ(generic.藥品名稱(), u"ALLOPURINOL 100MG");
  EXPECT_EQ(lookedUp(u"BC23456100").中文藥名(), u"癲平錠");
  // The second character is not compared, letter case is ignored, a name may follow.
  EXPECT_EQ(lookedUp(u"ax12345100").中文藥名(), u"痛風寧錠");
  EXPECT_EQ(lookedUp(u"AC12345100 痛風寧").中文藥名(), u"痛風寧錠");
  EXPECT_EQ(lookedUp(u"AC12345128").中文藥名(), u"");
}

TEST_F(ProfileLookupTest, ColumnsAreCopiedAndCutByPrintOption) {
  struct Case {
    const char16_t* option;
    const char16_t* sideEffects;
  };
  for (const Case& c : {Case{u"全部列印", u"頭暈、嗜睡、口乾"}, Case{u"2", u"頭暈、嗜睡"},
                        Case{u"1", u"頭暈"}, Case{u"CP", u"頭暈"}, Case{u"0", u""}}) {
    SCOPED_TRACE(toUtf8(c.option));
    m_state.printOption = c.option;
    const CDrugBagItem item = lookedUp(u"AC12345100");
    EXPECT_EQ(item.可能副作用(), c.sideEffects);
    EXPECT_EQ(item.其他用藥指示(), u"飯後服用");
    EXPECT_EQ(item.藥品外觀(), u"白色圓形錠");
    EXPECT_EQ(item.藥品形狀(), u"白色圓形錠");
    EXPECT_EQ(item.適應症(), u"痛風");
    EXPECT_EQ(item.警語(), u"多喝水。");  // no brand: the name alone calls for no warning
  }
  m_state.printOption = u"2";
  const CDrugBagItem single = lookedUp(u"BC234561G0");
  EXPECT_EQ(single.可能副作用(), u"頭暈");
  EXPECT_EQ(single.其他用藥指示(), u"依指示服用");
  EXPECT_EQ(single.警語(), u"");  // an empty column replaces
  // Blank side effects: nothing is cut.
  const CDrugBagItem blank = lookedUp(u"AC12345129");
  EXPECT_EQ(blank.其他用藥指示(), u"每日不可超過八錠。不可併用。");
  EXPECT_EQ(blank.可能副作用(), u"  ");
}

TEST_F(ProfileLookupTest, BrandsCallForTheFixedWarningsIgnoringCase) {
  struct Case {
    const char16_t* brand;
    const char16_t* warning;
  };
  for (const Case& c :
       {Case{u"allopurinol", kWarningA}, Case{u"Tegretol (Carbamazepine)", kWarningA},
        Case{u"CARBAMAPINEZE", kWarningA}, Case{u"phenytoin", kWarningB},
        Case{u"Lamotrigine", kWarningB}, Case{u"NSAIDs", kWarningB},
        Case{u"NSAID + Allopurinol", kWarningA}, Case{u"Panadol", u"多喝水。"}}) {
    SCOPED_TRACE(toUtf8(c.brand));
    EXPECT_EQ(lookedUp(u"AC12345100", c.brand).警語(), c.warning);
  }
}

TEST_F(ProfileLookupTest, NullKeepsTheJobValueEmptyTextReplacesIt) {
  CDrugBagItem nulls = drug(u"AC99999100");
  nulls.警語(u"job warning");
  nulls.中文藥名(u"job chinese");
  m_lookup.lookUpProfile(nulls);
  EXPECT_EQ(nulls.藥品名稱(), u"job name");
  EXPECT_EQ(nulls.中文藥名(), u"job chinese");
  EXPECT_EQ(nulls.警語(), u"job warning");

  CDrugBagItem empties = drug(u"AC99998100");
  empties.中文藥名(u"job chinese");
  m_lookup.lookUpProfile(empties);
  EXPECT_EQ(empties.藥品名稱(), u"");
  EXPECT_EQ(empties.中文藥名(), u"");
}

TEST_F(ProfileLookupTest, ADrugNotFoundKeepsItsJobValuesAndGetsNoWarning) {
  for (const char16_t* code : {u"ZZ00000100", u"", u"  ", u"AC"}) {
    SCOPED_TRACE(toUtf8(code));
    const CDrugBagItem item = lookedUp(code, u"ALLOPURINOL");
    EXPECT_EQ(item.藥品名稱(), u"job name");
    EXPECT_EQ(item.中文藥名(), u"");
    EXPECT_EQ(item.警語(), u"");
  }
}

TEST_F(ProfileLookupTest, ACodeWithAPatternCharacterIsNotSearched) {
  // Searched, "AC__%%%%%%" and "AC1234510_" would find AC12345100; the exact ".drg" search
  // would find the row AC1234_100. Both lookups treat them as not found.
  for (const char16_t* code : {u"AC__%%%%%%", u"AC1234510_", u"%C12345100", u"AC[1]45100",
                               u"AC*2345100", u"AC?2345100", u"AC#2345100", u"AC1234_100"}) {
    SCOPED_TRACE(toUtf8(code));
    const CDrugBagItem item = lookedUp(code, u"ALLOPURINOL");
    EXPECT_EQ(item.藥品名稱(), u"job name");
    EXPECT_EQ(item.中文藥名(), u"");
    EXPECT_EQ(item.警語(), u"");
    CDrugBagItem single = drug(code);
    m_lookup.lookUpDrgProfile(single);
    EXPECT_EQ(single.藥品名稱(), u"job name");
    EXPECT_EQ(single.中文藥名(), u"");
  }
  EXPECT_EQ(profileSearchQuery(u"AC__%%%%%%"),  // the query text itself stays as it was
            u"SELECT * FROM tblDrugBag WHERE 藥品代碼 LIKE 'A%' AND  (藥品代碼 LIKE '%__%%%%%%')");
}

// Every way a database cannot serve the job: no file, a damaged Access file (the reader
// crashes), an SQLite file without the profile table, an SQLite file damaged after its header
// (it opens, its first query fails). Each is noted once per job, in the same words, whichever
// lookup meets it first; the records keep the job's values.
TEST_F(ProfileLookupTest, ADatabaseThatCannotBeReadIsNotedOncePerJob) {
  std::string damagedAccess = readFileBytes(testing::testFixture("jet/V2000_no-password.mdb"));
  damagedAccess[0x2037] = '\xff';  // makes the Access reader crash
  std::string damagedSqlite = readFileBytes(database());
  std::fill(damagedSqlite.begin() + 100, damagedSqlite.end(), '\xee');
  // The table renamed throughout the schema: a sound file without tblDrugBag.
  std::string noTable = readFileBytes(database());
  for (size_t at = noTable.find("tblDrugBag"); at != std::string::npos;
       at = noTable.find("tblDrugBag", at)) {
    noTable.replace(at, 10, "tblDrugBog");
  }
  struct Case {
    const char* what;
    std::optional<std::string> bytes;  // none: no file
  };
  const std::vector<Case> cases{{"no file", std::nullopt},
                                {"damaged Access file", damagedAccess},
                                {"SQLite file damaged after its header", damagedSqlite},
                                {"SQLite file without tblDrugBag", noTable}};
  enum class Lookup { Drg, Ndrg, NdrgJob };
  for (const Case& c : cases) {
    for (const Lookup lookup : {Lookup::Drg, Lookup::Ndrg, Lookup::NdrgJob}) {
      SCOPED_TRACE(std::string(c.what) + ", lookup " + std::to_string(static_cast<int>(lookup)));
      std::filesystem::remove(database());
      if (c.bytes) m_home.write("dbDrugProfile.mdb", *c.bytes);
      std::ostringstream notices;
      m_state.notices = &notices;
      ProfileLookup job(m_state);
      std::vector<DrugBagItemRef> items;
      for (const char16_t* brand : {u"Phenytoin", u"Panadol", u"Phenytoin"}) {
        items.push_back(std::make_shared<CDrugBagItem>(drug(u"AC12345100", brand)));
        if (lookup == Lookup::Drg) job.lookUpDrgProfile(*items.back());
        if (lookup == Lookup::Ndrg) job.lookUpProfile(*items.back());
      }
      if (lookup == Lookup::NdrgJob) job.lookUpProfiles(items);
      for (const DrugBagItemRef& item : items) {
        EXPECT_EQ(item->藥品名稱(), u"job name");
        if (lookup != Lookup::Drg) {
          EXPECT_EQ(item->警語(), item->藥品廠牌() == u"Panadol" ? Text() : Text(kWarningB));
        }
      }
      const std::string text = notices.str();
      EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << text;
      EXPECT_TRUE(text.starts_with("pillora: the drug-profile database cannot be opened: "))
          << text;
    }
  }
}

// What is in the way is named with the system's reason, not taken for a missing file.
TEST_F(ProfileLookupTest, ADatabaseThatIsNoReadableFileSaysWhy) {
  std::filesystem::remove(database());
  std::filesystem::create_directory(database());
  std::ostringstream notices;
  m_state.notices = &notices;
  ProfileLookup job(m_state);
  CDrugBagItem item = drug(u"AC12345100", u"Panadol");
  job.lookUpProfile(item);
  EXPECT_EQ(notices.str(),
            "pillora: the drug-profile database cannot be opened: cannot read the "
            "database file " +
                database() + ": Is a directory\n");
}

// A database without the profile table would leave every bag without its texts: the job
// says so once, naming the file.
TEST_F(ProfileLookupTest, ADatabaseWithoutTheProfileTableIsNotedNamingTheFile) {
  std::vector<testing::DamagedAccessFile> databases = testing::damagedTableLists();
  databases.push_back(testing::movedCatalogRow());
  databases.push_back({"another table (SQLite)", ""});
  for (const testing::DamagedAccessFile& damaged : databases) {
    SCOPED_TRACE(damaged.name);
    std::filesystem::remove(database());
    if (damaged.bytes.empty()) {
      SqliteBackend::createFile(database())->execute(u"CREATE TABLE tblOther (藥品代碼 TEXT)");
    } else {
      m_home.write("dbDrugProfile.mdb", damaged.bytes);
    }
    std::ostringstream notices;
    m_state.notices = &notices;
    ProfileLookup job(m_state);
    CDrugBagItem ndrg = drug(u"AC12345100");
    job.lookUpProfile(ndrg);
    CDrugBagItem single = drug(u"AC123451G0");
    job.lookUpDrgProfile(single);
    EXPECT_EQ(ndrg.藥品名稱(), u"job name");
    EXPECT_EQ(single.藥品名稱(), u"job name");
    const std::string text = notices.str();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << text;
    EXPECT_TRUE(text.starts_with("pillora: the drug-profile database cannot be opened: ")) << text;
    EXPECT_NE(text.find(database()), std::string::npos) << text;
  }
  const std::string text = [&] {
    std::ostringstream notices;
    m_state.notices = &notices;
    ProfileLookup job(m_state);
    CDrugBagItem item = drug(u"AC12345100");
    job.lookUpProfile(item);
    return notices.str();
  }();
  EXPECT_EQ(text, "pillora: the drug-profile database cannot be opened: " + database() +
                      " has no table tblDrugBag (no such table: tblDrugBag)\n");
}

// Rows in an order of their own: several match one code, several codes match one row, and
// the first row in table order is not the first by code.
std::vector<ProfileRow> overlappingRows() {
  std::vector<ProfileRow> rows;
  for (const char16_t* code :
       {u"ZA12345100", u"AZ123451G0", u"AC12345100", u"aC12345100", u"AC12345129", u"BC12345129",
        u"AC1234512", u"XAC1234512", u"AQ99345100", u"AB1", u"AO'1234500", u"AC23451G0"}) {
    ProfileRow& row = rows.emplace_back();
    row[0] = Text(code);
    row[1] = u"row " + Text(code);
  }
  return rows;
}

// The drug name the query of a code's own lookup finds first on the database; "job name" when
// it finds none or the code is not searched.
Text firstRowName(const std::string& database, const Text& code) {
  const Text key = searchKey(trimBlanks(code));
  if (!isSearchableKey(key)) return u"job name";
  Connection connection;
  connection.ConnectionString(u"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" +
                              fromUtf8(database));
  connection.Open();
  Recordset rows;
  rows.Open(profileSearchQuery(trimBlanks(code)), connection);
  return rows.BOF() ? Text(u"job name") : rows.Field(u"藥品名稱").value_or(u"job name");
}

// The drugs of one job get the rows their own queries get, one by one: also where an index
// orders those queries' rows by code (each drug then has its own query).
TEST_F(ProfileLookupTest, AJobsDrugsGetTheRowsOfTheirOwnQueries) {
  const std::vector<Text> codes{u"AC12345100",       u"AC123451G0", u" ax12345100 ", u"ZZ12345100",
                                u"AC12345129",       u"BQ12345129", u"AC1234512",    u"AC2345100",
                                u"AX345100",         u"AC00",       u"AB1",          u"AO'1234500",
                                u"AC12345100",       u"AC1234_100", u"AC",           u"AC99999999",
                                u"AC12345100 痛風寧"};
  for (const bool indexed : {false, true}) {
    SCOPED_TRACE(indexed ? "indexed" : "plain table");
    std::filesystem::remove(database());
    buildProfileDatabase(overlappingRows(), database());
    if (indexed) {
      SqliteBackend::openFile(database())->execute(u"CREATE INDEX byCode ON tblDrugBag (藥品代碼)");
    }
    std::vector<DrugBagItemRef> job;
    for (const Text& code : codes) job.push_back(std::make_shared<CDrugBagItem>(drug(code)));
    ProfileLookup(m_state).lookUpProfiles(job);
    for (std::size_t i = 0; i < codes.size(); ++i) {
      SCOPED_TRACE(toUtf8(codes[i]));
      EXPECT_EQ(job[i]->藥品名稱(), firstRowName(database(), codes[i]));
      EXPECT_EQ(job[i]->藥品代碼(), trimBlanks(codes[i]));
    }
  }
  // The cases above tell the two orders apart.
  EXPECT_NE(firstRowName(database(), u"AC12345100"), u"row AZ123451G0");
}

// A job of more keys than one scan carries: every drug finds its own row.
TEST_F(ProfileLookupTest, AJobOfMoreKeysThanOneScanCarriesFindsEveryDrug) {
  std::vector<ProfileRow> rows;
  std::vector<DrugBagItemRef> job;
  for (std::size_t i = 0; i < kKeysPerScan * 2 + 3; ++i) {
    const Text code = u"AC" + fromUtf8(decimal(static_cast<std::int64_t>(100000 + i))) + u"29";
    ProfileRow& row = rows.emplace_back();
    row[0] = code;
    row[1] = u"row " + code;
    job.push_back(std::make_shared<CDrugBagItem>(drug(code)));
  }
  std::filesystem::remove(database());
  buildProfileDatabase(rows, database());
  ProfileLookup(m_state).lookUpProfiles(job);
  for (const DrugBagItemRef& item : job) EXPECT_EQ(item->藥品名稱(), u"row " + item->藥品代碼());
}

TEST_F(ProfileLookupTest, ACodeWithAnApostropheIsFound) {
  EXPECT_EQ(lookedUp(u"AO'1234500").中文藥名(), u"歐錠");
  CDrugBagItem item = drug(u"AO'1234500");
  m_lookup.lookUpDrgProfile(item);
  EXPECT_EQ(item.中文藥名(), u"歐錠");
}

TEST_F(ProfileLookupTest, DrgLookupMatchesExactlyAndRewritesG0) {
  CDrugBagItem item = drug(u" AC123451G0 ", u"ALLOPURINOL");
  m_lookup.lookUpDrgProfile(item);
  EXPECT_EQ(item.藥品代碼(), u"AC12345100");
  EXPECT_EQ(item.藥品名稱(), u"ALLOPURINOL 100MG");
  EXPECT_EQ(item.藥品形狀(), u"白色圓形錠");
  EXPECT_EQ(item.藥品外觀(), u"");
  EXPECT_EQ(item.其他用藥指示(), u"飯後服用。避免開車。");
  EXPECT_EQ(item.可能副作用(), u"頭暈、嗜睡、口乾");
  EXPECT_EQ(item.警語(), u"多喝水。");

  CDrugBagItem stored = drug(u"BC234561G0");  // the database holds the "G0" code only
  m_lookup.lookUpDrgProfile(stored);
  EXPECT_EQ(stored.藥品代碼(), u"BC23456100");
  EXPECT_EQ(stored.藥品名稱(), u"job name");
}

TEST_F(ProfileLookupTest, AMissingDatabaseLeavesTheRecordAndIsTriedAgain) {
  std::filesystem::rename(database(), m_home.file("elsewhere"));
  const CDrugBagItem missing = lookedUp(u"AC12345100", u"Phenytoin");
  EXPECT_EQ(missing.藥品名稱(), u"job name");
  EXPECT_EQ(missing.警語(), kWarningB);  // the brand's warning still applies
  EXPECT_EQ(lookedUp(u"AC12345100", u"Panadol").警語(), u"");

  std::filesystem::rename(m_home.file("elsewhere"), database());
  EXPECT_EQ(lookedUp(u"AC12345100").藥品名稱(), u"ALLOPURINOL 100MG");
  // Open now and kept: removing the file does not end the job's connection.
  std::filesystem::remove(database());
  EXPECT_EQ(lookedUp(u"BC23456100").藥品名稱(), u"CARBAMAZEPINE 200MG");
}

}  // namespace
}  // namespace pillora
