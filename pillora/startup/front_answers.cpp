#include "pillora/startup/front_answers.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <string>
#include <system_error>

#include "common/text/convert.h"
#include "pillora/startup/program_help.h"
#include "platform/files/files.h"

namespace pillora {

namespace {

constexpr std::string_view kUsage =
    "usage: pillora JOBFILE[<TAB>PRINT-OPTION[<TAB>PRINTER]]  (pillora --help tells more)";

constexpr std::array<TextView, 2> kToolCommands = {u"--calibrate", u"--archive-find"};

std::string versionText() {
  return std::to_string(PILLORA_VERSION_MAJOR) + "." + std::to_string(PILLORA_VERSION_MINOR) + "." +
         std::to_string(PILLORA_VERSION_PATCH);
}

FrontAnswer writing(std::string text, bool toErr = false, int status = kExitOk) {
  return [text = std::move(text), toErr, status](StartupIo io) {
    (toErr ? io.err : io.out) << text;
    return status;
  };
}

// A job path that starts with "-" and names nothing is an option this program does not have.
bool isUnknownOption(const Text& path) {
  std::error_code error;
  return startsWith(path, u"-") && !std::filesystem::exists(pathFromUtf8(toUtf8(path)), error);
}

FrontAnswer usageError(const Text& commandLine) {
  const Text path = commandLine.substr(0, commandLine.find(u'\t'));
  if (path.empty()) {
    return writing(std::string(kUsage) + "\n", true, kExitUsage);
  }
  if (isUnknownOption(path)) {
    return writing("pillora: " + toUtf8(path) +
                       " is neither an option nor a job file (pillora --help describes the "
                       "command line)\n",
                   true, kExitUsage);
  }
  return {};
}

}  // namespace

FrontAnswer answerWithoutJob(const Text& commandLine) {
  const Text asked = upper(commandLine);
  if (asked == u"/V" || asked == u"-V") {
    return writing(toUtf8(kProgramTitle) + ": " + versionText() + "\n");
  }
  if (commandLine == u"--version") {
    return writing("pillora " + versionText() + "\n");
  }
  if (commandLine == u"--help" || commandLine == u"-h") {
    return writing(std::string(kProgramHelp));
  }
  if (commandLine == u"--list-printers" || isToolCommand(commandLine)) {
    return {};
  }
  return usageError(commandLine);
}

bool isToolCommand(const Text& commandLine) {
  const char16_t separator = commandLine.find(u'\t') == Text::npos ? u' ' : u'\t';
  const TextView command = TextView(commandLine).substr(0, commandLine.find(separator));
  return std::find(kToolCommands.begin(), kToolCommands.end(), command) != kToolCommands.end();
}

Text commandLineFromArguments(int argc, const char* const* argv) {
  Text line;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) line += u'\t';
    line += fromUtf8(argv[i]);
  }
  return line;
}

}  // namespace pillora
