#include "pillora/profiletool/tool_arguments.h"

namespace pillora {

namespace {

// The value of the option at words[at]; UsageError when none follows.
const std::string& optionValue(const std::vector<std::string>& words, std::size_t at) {
  if (at + 1 >= words.size()) throw UsageError(words[at] + " needs a value");
  return words[at + 1];
}

CsvEncoding encodingValue(const std::string& name) {
  const std::optional<CsvEncoding> encoding = csvEncodingNamed(name);
  if (!encoding) throw UsageError("--encoding takes utf-8 or cp950, not " + name);
  return *encoding;
}

// The options and files after "build" or "dump".
void readCommandWords(const std::vector<std::string>& words, ToolArguments& args) {
  const bool build = args.command == "build";
  for (std::size_t i = 1; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (word == "--encoding") {
      args.encoding = encodingValue(optionValue(words, i++));
    } else if (word == "--password" && !build) {
      args.password = optionValue(words, i++);
    } else if (word == "--force" && build) {
      args.force = true;
    } else if (word.starts_with("--")) {
      throw UsageError(args.command + " takes no option " + word);
    } else {
      args.files.push_back(word);
    }
  }
  if (args.files.size() != (build ? 2U : 1U)) {
    throw UsageError(build ? "build needs <csv> <database>" : "dump needs <database>");
  }
}

}  // namespace

ToolArguments toolArguments(const std::vector<std::string>& words) {
  if (words.empty()) throw UsageError("no command given");
  ToolArguments args;
  args.command = words[0];
  if (args.command == "-h") args.command = "--help";
  if (args.command == "--help" || args.command == "--version") {
    if (words.size() > 1) throw UsageError("unknown argument " + words[1]);
  } else if (args.command == "build" || args.command == "dump") {
    readCommandWords(words, args);
  } else {
    throw UsageError("unknown command " + args.command);
  }
  return args;
}

}  // namespace pillora
