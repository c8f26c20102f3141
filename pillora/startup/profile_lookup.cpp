#include "pillora/startup/profile_lookup.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <ostream>

#include "common/db/recordset.h"
#include "common/text/attempt.h"
#include "pillora/flags/flags.h"
#include "pillora/startup/profile_password.h"
#include "platform/files/files.h"

namespace pillora {

namespace {

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

// The columns of the row found for a ".ndrg" drug, cut and warned as the job asks.
void completeFromRow(CDrugBagItem& record, const Recordset& profile, const Text& printOption) {
  copyColumns(profile, kNdrgCopies, record);
  cutByPrintOption(record, printOption);
  setWarning(record, &profile);
}

}  // namespace

std::string profileDatabasePath() {
  return joinPath(pilloraFolder(), "dbDrugProfile.mdb");
}

Text profileConnectionString() {
  return Text(u"Provider=Microsoft.Jet.OleDb.4.0;Jet OLEDB:Database Password='") +
         Text(kProfileDatabasePassword) + u"';data source=" + fromUtf8(profileDatabasePath());
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
  m_connection.TablesRead({"tblDrugBag"});
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

bool ProfileLookup::query(Recordset& profile, const Text& sql,
                          void (Recordset::*open)(const Text&, Connection&)) {
  if (m_connection.State() != ObjectState::Open) return false;  // noted by connect()
  try {
    (profile.*open)(sql, m_connection);
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
  if (!isSearchableKey(searchKey(record.藥品代碼()))) return;
  Recordset profile;
  if (!query(profile, profileSearchQuery(record.藥品代碼()))) {
    setWarning(record, nullptr);
    return;
  }
  if (!profile.BOF()) completeFromRow(record, profile, m_state.printOption);
  profile.Close();
}

bool ProfileLookup::scansInStoredOrder() {
  if (m_connection.State() != ObjectState::Open) return false;
  try {
    Recordset probe;
    probe.Open(profileScanOrderProbe(), m_connection);
    return probe.Field(u"n") == u"0";
  } catch (const DatabaseError&) {
    return false;  // no SQLite schema table to ask
  }
}

// The searchable keys of the records in job order, each with the records that search it.
std::vector<ProfileLookup::KeyRecords> ProfileLookup::byKey(
    std::span<const DrugBagItemRef> records) {
  std::vector<KeyRecords> keys;
  std::map<Text, std::size_t> indexes;
  for (const DrugBagItemRef& record : records) {
    record->藥品代碼(trimBlanks(record->藥品代碼()));
    Text key = searchKey(record->藥品代碼());
    if (!isSearchableKey(key)) continue;
    const auto [known, added] = indexes.try_emplace(key, keys.size());
    if (added) keys.push_back({std::move(key), {}});
    keys[known->second].records.push_back(record.get());
  }
  return keys;
}

void ProfileLookup::lookUpProfiles(std::span<const DrugBagItemRef> records) {
  connect();
  if (!scansInStoredOrder()) {
    for (const DrugBagItemRef& record : records) attempt([&] { lookUpProfile(*record); });
    return;
  }
  const std::vector<KeyRecords> keys = byKey(records);
  for (std::size_t start = 0; start < keys.size(); start += kKeysPerScan) {
    scan(std::span(keys).subspan(start, std::min(kKeysPerScan, keys.size() - start)));
  }
}

// Each key takes the first row of the scan that matches it.
void ProfileLookup::scan(std::span<const KeyRecords> keys) {
  std::vector<Text> texts;
  std::vector<Text> columns;
  for (const KeyRecords& key : keys) {
    columns.push_back(scanMatchColumn(texts.size()));
    texts.push_back(key.key);
  }
  Recordset profile;
  if (!query(profile, profileScanQuery(texts), &Recordset::OpenAll)) {
    for (const KeyRecords& key : keys) {
      for (CDrugBagItem* record : key.records) setWarning(*record, nullptr);
    }
    return;
  }
  std::vector<bool> found(keys.size(), false);
  for (bool row = !profile.BOF(); row; row = profile.MoveNext()) {
    for (std::size_t i = 0; i < keys.size(); ++i) {
      if (found[i] || profile.Field(columns[i]) != u"1") continue;
      found[i] = true;
      for (CDrugBagItem* record : keys[i].records) {
        attempt([&] { completeFromRow(*record, profile, m_state.printOption); });
      }
    }
  }
  profile.Close();
}

void ProfileLookup::lookUpDrgProfile(CDrugBagItem& record) {
  connect();
  Text code = trimBlanks(record.藥品代碼());
  if (right(code, 2) == u"G0") code = left(code, len(code) - 2) + u"00";
  record.藥品代碼(code);
  if (holdsPatternCharacter(code)) return;
  Recordset profile;
  if (!query(profile, drgProfileQuery(code))) return;
  if (!profile.BOF()) copyColumns(profile, kDrgCopies, record);
  profile.Close();
}

}  // namespace pillora
