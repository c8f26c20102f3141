// Drug-profile lookups through the database layer, one process per run: reads drug codes
// (UTF-8, one a line) and completes a ".ndrg" record for each through one ProfileLookup, all
// codes as the drugs of one job. The database is "dbDrugProfile.mdb" of the program folder
// (PILLORA_HOME).
//
//   profile_lookups_bench CODES           looks every code up; prints how many were found
//   profile_lookups_bench --queries CODES prints the query text of every code, one a line
#include <algorithm>
#include <cstring>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "pillora/startup/profile_lookup.h"

namespace {

std::vector<pillora::Text> readCodes(const char* path) {
  std::ifstream in(path);
  if (!in) throw std::runtime_error(std::string("cannot read ") + path);
  std::vector<pillora::Text> codes;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty()) codes.push_back(pillora::fromUtf8(line));
  }
  return codes;
}

void printQueries(const std::vector<pillora::Text>& codes) {
  for (const pillora::Text& code : codes) {
    std::cout << pillora::toUtf8(pillora::profileSearchQuery(code)) << ";\n";
  }
}

int lookUp(const std::vector<pillora::Text>& codes) {
  pillora::RunState state;
  state.notices = &std::cerr;
  pillora::ProfileLookup lookup(state);
  std::vector<pillora::DrugBagItemRef> records;
  for (const pillora::Text& code : codes) {
    records.push_back(pillora::newDrugBagItem());
    records.back()->藥品代碼(code);
  }
  lookup.lookUpProfiles(records);
  return static_cast<int>(std::count_if(records.begin(), records.end(), [](const auto& record) {
    return !record->藥品名稱().empty();
  }));
}

}  // namespace

int main(int argc, char** argv) {
  try {
    if (argc == 3 && std::strcmp(argv[1], "--queries") == 0) {
      printQueries(readCodes(argv[2]));
    } else if (argc == 2) {
      std::cout << lookUp(readCodes(argv[1])) << " found\n";
    } else {
      std::cerr << "usage: profile_lookups_bench [--queries] CODES\n";
      return 2;
    }
  } catch (const std::exception& error) {
    std::cerr << "profile_lookups_bench: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
