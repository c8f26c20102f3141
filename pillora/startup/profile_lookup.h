#pragma once
// Completing a drug record from the drug-profile database "dbDrugProfile.mdb" in the
// program's folder: drug name, Chinese name, appearance, indication, instructions, side
// effects and warning. Job files carry only what the host application knows about a drug;
// the texts patients read come from here.
//
// A ".ndrg" job searches by the code's first character and its characters 3 to 10, where
// the package suffixes "00" and "G0" stand for each other, cuts the side effects and
// instructions by the print option and sets the fixed warnings against severe skin
// reactions for some brands. A ".drg" job searches the exact code and copies the texts
// as they are.
//
// A database that cannot be opened or queried leaves the record as the job file gave it; the
// first failure, of the open or of a query, is noted once per job (RunState::notices), with
// the warnings of the open (a copy of an Access file made again, a private copy). A database
// without the table tblDrugBag counts as one that cannot be opened. A code holding a LIKE
// pattern character ("%", "_", "[", "*", "?", "#") is not searched and counts as not found.
// One connection serves all lookups of a job; it is opened by the first lookup, tried again by
// later ones while it fails, and released with the object.
//
// The drugs of a ".ndrg" job are looked up together: where the database is SQLite and the
// profile table a plain table without index (the databases the profile tool builds, the copies
// of Access files), one scan of the table serves every drug (profile_query.h), each drug taking
// the first row its own query would deliver. Elsewhere (Access files through ODBC) each drug
// has its own query.
#include <span>
#include <string>
#include <vector>

#include "common/db/connection.h"
#include "common/db/recordset.h"
#include "pillora/records/drug_bag_item.h"
#include "pillora/records/run_state.h"
#include "pillora/startup/profile_query.h"

namespace pillora {

// The drug-profile database in the program's folder, and its connection string.
std::string profileDatabasePath();
Text profileConnectionString();

class ProfileLookup {
 public:
  // Reads the print option of the run at every lookup.
  explicit ProfileLookup(const RunState& state) : m_state(state) {}

  // Completes one drug of a ".ndrg" job.
  void lookUpProfile(CDrugBagItem& record);
  // Completes the drugs of a ".ndrg" job, each as lookUpProfile would.
  void lookUpProfiles(std::span<const DrugBagItemRef> records);
  // Completes the drug of a ".drg" job; a code ending in "G0" becomes the "00" code, in
  // the record too.
  void lookUpDrgProfile(CDrugBagItem& record);

 private:
  void connect();
  void requireProfileTable();
  // Whether one scan of the profile table finds each drug's row (see above).
  bool scansInStoredOrder();
  // The drugs of one scan: each key with the records that search it.
  struct KeyRecords {
    Text key;
    std::vector<CDrugBagItem*> records;
  };
  static std::vector<KeyRecords> byKey(std::span<const DrugBagItemRef> records);
  void scan(std::span<const KeyRecords> keys);
  // Opens the record set (Recordset::Open or OpenAll); false when the connection is not open
  // or the query fails.
  bool query(Recordset& profile, const Text& sql,
             void (Recordset::*open)(const Text&, Connection&) = &Recordset::Open);
  // Notes the first failure of the job: the bags go out without the database's texts.
  void noteUnreadable(const char* reason);

  const RunState& m_state;
  Connection m_connection;
  bool m_noted = false;  // a failure has been noted
};

}  // namespace pillora
