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
#include <string>

#include "common/db/connection.h"
#include "common/db/recordset.h"
#include "pillora/records/drug_bag_item.h"
#include "pillora/records/run_state.h"

namespace pillora {

// The drug-profile database in the program's folder, and its connection string.
std::string profileDatabasePath();
Text profileConnectionString();
// The query of the ".ndrg" lookup for a code without surrounding blanks.
Text profileSearchQuery(const Text& code);
// The exact-match query of the ".drg" lookup.
Text drgProfileQuery(const Text& code);

class ProfileLookup {
 public:
  // Reads the print option of the run at every lookup.
  explicit ProfileLookup(const RunState& state) : m_state(state) {}

  // Completes one drug of a ".ndrg" job.
  void lookUpProfile(CDrugBagItem& record);
  // Completes the drug of a ".drg" job; a code ending in "G0" becomes the "00" code, in
  // the record too.
  void lookUpDrgProfile(CDrugBagItem& record);

 private:
  void connect();
  void requireProfileTable();
  // Opens the record set; false when the connection is not open or the query fails.
  bool query(Recordset& profile, const Text& sql);
  // Notes the first failure of the job: the bags go out without the database's texts.
  void noteUnreadable(const char* reason);

  const RunState& m_state;
  Connection m_connection;
  bool m_noted = false;  // a failure has been noted
};

}  // namespace pillora
