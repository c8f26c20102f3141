#pragma once
// The answers of the drug-bag program that need neither printers nor a job: the version
// (/V, --version), the help (--help, -h) and usage errors (an empty command line, an option
// the program does not have). They come before anything else, and need nothing but the C++
// run-time, so that the program can give them before it loads what printing needs.
#include <functional>
#include <ostream>

#include "common/text/text.h"

namespace pillora {

// Exit statuses of one run.
enum ExitStatus : int { kExitOk = 0, kExitFailed = 1, kExitUsage = 2 };

// Title of the version box.
inline constexpr TextView kProgramTitle = u"澄朗科技藥袋列印程式";

struct StartupIo {
  std::ostream& out;  // message boxes ("title: text"), help and the printer list
  std::ostream& err;  // one-line errors
};

// An answer given in full on `io`; returns the exit status.
using FrontAnswer = std::function<int(StartupIo io)>;

// The answer to the command line; empty when it asks for more: a job, the printer list
// (--list-printers) or a tool command.
FrontAnswer answerWithoutJob(const Text& commandLine);

// Whether the line names one of the tool commands (--calibrate, --archive-find): its first
// field when it holds a TAB, else its first word.
bool isToolCommand(const Text& commandLine);

// The raw command line from program arguments: one argument is taken as it is (the host
// application's line, tabs inside); several are joined with TAB.
Text commandLineFromArguments(int argc, const char* const* argv);

}  // namespace pillora
