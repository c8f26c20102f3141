#include "pillora/startup/profile_lookup.h"

#include <algorithm>
#include <array>
#include <optional>
#include <ostream>

#include "common/db/recordset.h"
#include "common/text/attempt.h"
#include "pillora/flags/flags.h"
#include "pillora/startup/profile_password.h"
#include "platform/files/files.h"

namespace pillora {

namespace {

// Characters that make a pattern in LIKE, in SQLite's dialect or in Jet's.
constexpr TextView kPatternCharacters = u"%_[*?#";

// Severe skin reactions (SJS/TEN): stop the drug and return to the doctor.
constexpr TextView kWarningA =
    u"可能發生罕見但嚴重的皮膚過敏反應，如(SJS/TEN)不良反應，如果出現喉嚨痛、嘴巴破、眼睛癢、"
    u"皮膚紅疹等，應立即停藥回診主治醫師。";
// Severe skin reactions: see a doctor at once and consider stopping the drug.
constexpr TextView kWarningB =
    u"可能發生罕見但嚴重的皮膚不良/過敏反應，如用藥後發生喉痛、口腔/黏膜潰爛、皮疹等症狀，"
    u"應立即就醫並考慮停藥。";

// Brand words that call for the fixed warnings, matched ignoring letter case. The misspelt
// "Carbamapineze" stays beside the real name: brands written so must keep their warning.
constexpr std::array<TextView, 3> kWarningAWords{u"ALLOPURINOL", u"Carbamapineze",
                                                 u"Carbamazepine"};
constexpr std::array<TextView, 3> kWarningBWords{u"Phenytoin", u"Lamotrigine", u"NSAID"};

struct ColumnCopy {
  const char16_t* column;
  Field field;
};

constexpr std::array<ColumnCopy, 7> kNdrgCopies{{
    {u"藥品名稱", Field::藥品名稱},
    {u"中文品名", Field::中文藥名},
    {u"藥品外觀", Field::藥品外觀},
    {u"藥品外觀", Field::藥品形狀},
    {u"適應症", Field::適應症},
    {u"其他用藥指示", Field::其他用藥指示},
    {u"副作用", Field::可能副作用},
}};

constexpr std::array<ColumnCopy, 7> kDrgCopies{{
    {u"藥品名稱", Field::藥品名稱},
    {u"中文品名", Field::中文藥名},
    {u"藥品外觀", Field::藥品形狀},
    {u"適應症", Field::適應症},
    {u"其他用藥指示", Field::其他用藥指示},
    {u"副作用", Field::可能副作用},
    {u"藥品警語", Field::警語},
}};

// Text placed inside an SQL string literal.
Text sqlLiteral(TextView text) {
  return replaceAll(text, u"'", u"''");
}

// A column that cannot be read is skipped; a NULL column leaves the property as it was.
void copyColumn(const Recordset& profile, const ColumnCopy& copy, CDrugBagItem& record) {
  attempt([&] {
    if (FieldText value = profile.Field(copy.column)) record.set(copy.field, std::move(*value));
  });
}

void copyColumns(const Recordset& profile, const std::array<ColumnCopy, 7>& copies,
                 CDrugBagItem& record) {
  for (const ColumnCopy& copy : copies) copyColumn(profile, copy, record);
}

// The ".ndrg" search key: at most the first 10 characters, the package suffix of a code
// whose next-to-last character is "G" read as "00".
Text searchKey(const Text& code) {
  Text key = left(code, 10);
  if (len(key) >= 2 && mid(key, len(key) - 1, 1) == u"G") key = left(key, len(key) - 2) + u"00";
  return key;
}

// A code that holds a pattern character would search for other drugs' codes, so it is not
// searched at all: such a drug counts as not found.
bool isSearchable(TextView code) {
  return code.find_first_of(kPatternCharacters) == TextView::npos;
}

bool mentionsAny(const Text& foldedBrand, const std::array<TextView, 3>& words) {
  return std::any_of(words.begin(), words.end(),
                     [&foldedBrand](TextView word) { return contains(foldedBrand, upper(word)); });
}

std::optional<TextView> skinReactionWarning(const Text& brand) {
  const Text folded = upper(brand);
  if (mentionsAny(folded, kWarningAWords)) return kWarningA;
  if (mentionsAny(folded, kWarningBWords)) return kWarningB;
  return std::nullopt;
}

// The fixed warning when the brand calls for one, otherwise the profile's own warning
// (none when the profile could not be read).
void setWarning(CDrugBagItem& record, const Recordset* profile) {
  if (const auto warning = skinReactionWarning(record.藥品廠牌())) {
    record.警語(Text(*warning));
  } else if (profile != nullptr) {
    copyColumn(*profile, {u"藥品警語", Field::警語}, record);
  }
}

// Bags have room for little: with side effects on record, the instructions keep their first
// sentence and the side effects as many items as the print option asks for.
void cutByPrintOption(CDrugBagItem& record, const Text& printOption) {
  const Text sideEffects = record.可能副作用();
  if (trimBlanks(sideEffects).empty()) return;
  const std::vector<Text> parts = split(sideEffects, u"、");
  const Text instructions = record.其他用藥指示();
  if (const int stop = find(instructions, u"。"); stop > 0) {
    record.其他用藥指示(left(instructions, stop - 1));
  }
  if (printOption == u"0") {
    record.可能副作用(Text());
  } else if (printOption == u"1" || printOption == u"CP") {
    record.可能副作用(parts[0]);
  } else if (printOption == u"2") {
    record.可能副作用(parts.size() >= 2 ? parts[0] + u"、" + parts[1] : parts[0]);
  }
}

}  // namespace

std::string profileDatabasePath() {
  return joinPath(pilloraFolder(), "dbDrugProfile.mdb");
}

Text profileConnectionString() {
  return Text(u"Provider=Microsoft.Jet.OleDb.4.0;Jet OLEDB:Database Password='") +
         Text(kProfileDatabasePassword) + u"';data source=" + fromUtf8(profileDatabasePath());
}

Text profileSearchQuery(const Text& code) {
  const Text key = searchKey(code);
  const Text middle = mid(key, 3, 8);
  const Text query =
      u"SELECT * FROM tblDrugBag WHERE 藥品代碼 LIKE '" + sqlLiteral(left(key, 1)) + u"%' AND ";
  const Text suffix = right(middle, 2);
  if (suffix == u"00" || suffix == u"G0") {
    const Text stem = sqlLiteral(left(middle, 6));
    return query + u" (藥品代碼 LIKE '%" + stem + u"00' OR  藥品代碼 LIKE '%" + stem + u"G0')";
  }
  return query + u" (藥品代碼 LIKE '%" + sqlLiteral(middle) + u"')";
}

Text drgProfileQuery(const Text& code) {
  return Text(u"SELECT tblDrugBag.* FROM tblDrugBag WHERE ") + u" 藥品代碼 = '" + sqlLiteral(code) +
         u"'";
}

void ProfileLookup::noteUnreadable(const char* reason) {
  if (m_state.notices != nullptr && !m_noted) {
    *m_state.notices << "pillora: the drug-profile database cannot be opened: " << reason << "\n";
  }
  m_noted = true;
}

void ProfileLookup::connect() {
  // The first lookup opens the connection. On an open connection both steps fail and are
  // skipped; after a failed open the next lookup tries again. What the first attempt of a job
  // has to say is noted once: its warnings, and its failure (the bags go out without the
  // database's texts).
  attempt([this] { m_connection.ConnectionString(profileConnectionString()); });
  if (m_connection.State() == ObjectState::Open) return;
  std::optional<std::string> failure;
  try {
    m_connection.Open();
    requireProfileTable();
  } catch (const DatabaseError& error) {
    failure = error.what();
  }
  if (m_state.notices != nullptr && !m_noted) {
    for (const std::string& warning : m_connection.Warnings()) {
      *m_state.notices << "pillora: " << warning << "\n";
    }
  }
  if (failure) noteUnreadable(failure->c_str());
}

bool ProfileLookup::query(Recordset& profile, const Text& sql) {
  if (m_connection.State() != ObjectState::Open) return false;  // noted by connect()
  try {
    profile.Open(sql, m_connection);
    return true;
  } catch (const DatabaseError& error) {
    // A file that opens but cannot be read (damaged after its header) serves the job no
    // better than one that does not open.
    noteUnreadable(error.what());
    return false;
  }
}

// A database without the profile table would leave every drug not found without a word: it
// counts as one that cannot be opened. The probe is the exact lookup with a code no drug has.
void ProfileLookup::requireProfileTable() {
  try {
    Recordset probe;
    probe.Open(drgProfileQuery(Text()), m_connection);
    probe.Close();
  } catch (const DatabaseError& error) {
    m_connection.Close();
    throw DatabaseError(profileDatabasePath() + " has no table tblDrugBag (" + error.what() + ")");
  }
}

void ProfileLookup::lookUpProfile(CDrugBagItem& record) {
  connect();
  record.藥品代碼(trimBlanks(record.藥品代碼()));
  // Without characters from the third on the search would match any drug of the database.
  const Text key = searchKey(record.藥品代碼());
  if (mid(key, 3).empty() || !isSearchable(key)) return;
  Recordset profile;
  if (!query(profile, profileSearchQuery(record.藥品代碼()))) {
    setWarning(record, nullptr);
    return;
  }
  if (!profile.BOF()) {
    copyColumns(profile, kNdrgCopies, record);
    cutByPrintOption(record, m_state.printOption);
    setWarning(record, &profile);
  }
  profile.Close();
}

void ProfileLookup::lookUpDrgProfile(CDrugBagItem& record) {
  connect();
  Text code = trimBlanks(record.藥品代碼());
  if (right(code, 2) == u"G0") code = left(code, len(code) - 2) + u"00";
  record.藥品代碼(code);
  if (!isSearchable(code)) return;
  Recordset profile;
  if (!query(profile, drgProfileQuery(code))) return;
  if (!profile.BOF()) copyColumns(profile, kDrgCopies, record);
  profile.Close();
}

}  // namespace pillora
