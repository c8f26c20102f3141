#pragma once
// The command line of pillora-profile: the command, its options and its files.
#include <optional>
#include <string>
#include <vector>

#include "common/text/errors.h"
#include "pillora/profiletool/csv_encoding.h"

namespace pillora {

struct ToolArguments {
  std::string command;             // "build", "dump", "--help" or "--version"
  std::vector<std::string> files;  // build: the CSV and the database; dump: the database
  std::optional<CsvEncoding> encoding;
  std::optional<std::string> password;  // dump only
  bool force = false;                   // build only: an existing database is replaced
};

// Arguments the tool does not take.
class UsageError : public AppError {
 public:
  using AppError::AppError;
};

// The arguments after the program's name; UsageError saying in one line what is wrong.
ToolArguments toolArguments(const std::vector<std::string>& words);

}  // namespace pillora
