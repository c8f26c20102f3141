// pillora-profile: builds the drug-profile database from CSV and writes it back as CSV.
#include <iostream>
#include <string>
#include <vector>

#include "common/log/run_record.h"
#include "pillora/profiletool/csv_encoding.h"
#include "pillora/profiletool/profile_csv.h"
#include "pillora/profiletool/profile_database.h"
#include "pillora/profiletool/profile_input.h"
#include "pillora/profiletool/tool_arguments.h"
#include "pillora/startup/profile_password.h"
#include "platform/log/run_log.h"

namespace {

constexpr int kFailed = 1;
constexpr int kUsage = 2;

constexpr const char* kHelp =
    R"(usage: pillora-profile build [--encoding utf-8|cp950] [--force] <csv> <database>
       pillora-profile dump [--password TEXT] [--encoding utf-8|cp950] <database>
       pillora-profile --help | --version

build  writes a new drug-profile database (SQLite format) from a CSV file. An
       existing database is replaced only with --force (and only once the new
       one is complete). The CSV must be an ordinary file of 256 MiB at most.
dump   writes the drug profiles of a database (Access or SQLite format) to
       standard output as CSV. --password gives the database password of a
       protected Access file; without it, the password of the pharmacies'
       "dbDrugProfile.mdb" is tried. SQLite files have no password.

--encoding  the CSV's encoding: utf-8 (the default for dump) or cp950 (Big5, as
       the pharmacy's software exports it). Without it, build reads a file that
       is not UTF-8 but is CP950 as CP950, and says so.

The CSV is RFC 4180, lines ended by CR LF. Its first line names the columns
藥品代碼,藥品名稱,中文品名,藥品外觀,適應症,其他用藥指示,副作用,藥品警語
in this order; each further line is one drug. A field holding a comma, a double
quote or a line break is quoted, a quote inside doubled. A field left empty
without quotes is NULL (the lookup keeps the job file's value); "" is empty
text (the lookup clears the value). Every row needs a drug code; a code that
an earlier row has already is warned about, as the lookup finds only the first.
Faults are told by their line in the file, the header being line 1.

Exit status: 0 done, 1 the input or database was refused (message on standard
error), 2 wrong arguments.
)";

void tell(const std::string& about, const std::vector<std::string>& notes) {
  for (const std::string& note : notes) std::cerr << "pillora-profile: " << about << note << "\n";
}

// The rows of the CSV file; its notes told, its faults named after it.
pillora::ProfileCsv readCsvFile(const std::string& file,
                                std::optional<pillora::CsvEncoding> encoding) {
  const std::string about = file + ": ";
  try {
    std::vector<std::string> notes;
    const std::string text =
        pillora::csvTextAsUtf8(pillora::readProfileInput(file), encoding, notes);
    tell(about, notes);
    pillora::ProfileCsv csv = pillora::readProfileCsv(text);
    tell(about, csv.duplicates);
    return csv;
  } catch (const pillora::CsvError& error) {
    throw pillora::CsvError(about + error.what());
  }
}

int build(const pillora::ToolArguments& args) {
  pillora::buildProfileDatabase(readCsvFile(args.files[0], args.encoding).rows, args.files[1],
                                args.force);
  return 0;
}

int dump(const pillora::ToolArguments& args) {
  const pillora::Text password = args.password ? pillora::fromUtf8(*args.password)
                                               : pillora::Text(pillora::kProfileDatabasePassword);
  std::vector<std::string> warnings;
  const auto rows = pillora::readProfileDatabase(args.files[0], password, warnings);
  tell("", warnings);
  std::vector<std::string> notes;
  std::cout << pillora::csvTextIn(pillora::writeProfileCsv(rows),
                                  args.encoding.value_or(pillora::CsvEncoding::Utf8), notes);
  tell("the dump's ", notes);
  return std::cout.flush() ? 0 : kFailed;
}

std::string versionText() {
  return "pillora-profile " + std::to_string(PILLORA_VERSION_MAJOR) + "." +
         std::to_string(PILLORA_VERSION_MINOR) + "." + std::to_string(PILLORA_VERSION_PATCH) + "\n";
}

int run(const std::vector<std::string>& words) {
  const pillora::ToolArguments args = pillora::toolArguments(words);
  if (args.command == "--help") std::cout << kHelp;
  if (args.command == "--version") std::cout << versionText();
  if (args.command == "build") return build(args);
  if (args.command == "dump") return dump(args);
  return std::cout.flush() ? 0 : kFailed;
}

int runCaught(const std::vector<std::string>& args) {
  try {
    return run(args);
  } catch (const pillora::UsageError& error) {
    std::cerr << "pillora-profile: " << error.what() << "; try 'pillora-profile --help'\n";
    return kUsage;
  } catch (const std::exception& error) {
    std::cerr << "pillora-profile: " << error.what() << "\n";
    return kFailed;
  }
}

}  // namespace

int main(int argc, char** argv) {
  pillora::RunLog log("pillora-profile", "pillora-profile.log");
  const std::vector<std::string> args(argv + 1, argv + argc);
  pillora::currentRun().set("command", pillora::fromUtf8(args.empty() ? "" : args.front()));
  return log.finish(runCaught(args));
}
