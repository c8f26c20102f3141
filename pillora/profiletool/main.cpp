// pillora-profile: builds the drug-profile database from CSV and writes it back as CSV.
#include <iostream>
#include <string>
#include <vector>

#include "common/text/textfile.h"
#include "pillora/profiletool/profile_csv.h"
#include "pillora/profiletool/profile_database.h"
#include "pillora/startup/profile_password.h"

namespace {

constexpr int kFailed = 1;
constexpr int kUsage = 2;

constexpr const char* kHelp = R"(usage: pillora-profile build <csv> <database>
       pillora-profile dump [--password TEXT] <database>
       pillora-profile --help

build  writes a new drug-profile database (SQLite format) from a CSV file; the
       database file must not exist yet.
dump   writes the drug profiles of a database (Access or SQLite format) to
       standard output as CSV. --password gives the database password of a
       protected Access file; without it, the password of the pharmacies'
       "dbDrugProfile.mdb" is tried. SQLite files have no password.

The CSV is UTF-8, RFC 4180, lines ended by CR LF. Its first line names the
columns 藥品代碼,藥品名稱,中文品名,藥品外觀,適應症,其他用藥指示,副作用,藥品警語
in this order; each further line is one drug. A field holding a comma, a double
quote or a line break is quoted, a quote inside doubled. A field left empty
without quotes is NULL (the lookup keeps the job file's value); "" is empty
text (the lookup clears the value).

Exit status: 0 done, 1 the input or database was refused (message on standard
error), 2 wrong arguments.
)";

int usageError(const std::string& what) {
  std::cerr << "pillora-profile: " << what << "\n" << kHelp;
  return kUsage;
}

int dump(const std::string& database, const pillora::Text& password) {
  std::vector<std::string> warnings;
  const auto rows = pillora::readProfileDatabase(database, password, warnings);
  for (const std::string& warning : warnings) std::cerr << "pillora-profile: " << warning << "\n";
  std::cout << pillora::writeProfileCsv(rows);
  return std::cout.flush() ? 0 : kFailed;
}

int run(const std::vector<std::string>& args) {
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    std::cout << kHelp;
    return 0;
  }
  if (args.size() == 3 && args[0] == "build") {
    pillora::buildProfileDatabase(pillora::readProfileCsv(pillora::readFileBytes(args[1])),
                                  args[2]);
    return 0;
  }
  if (args.size() == 2 && args[0] == "dump") {
    return dump(args[1], pillora::Text(pillora::kProfileDatabasePassword));
  }
  if (args.size() == 4 && args[0] == "dump" && args[1] == "--password") {
    return dump(args[3], pillora::fromUtf8(args[2]));
  }
  return usageError(args.empty() ? "no command given" : "unknown command or wrong arguments");
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::exception& error) {
    std::cerr << "pillora-profile: " << error.what() << "\n";
    return kFailed;
  }
}
