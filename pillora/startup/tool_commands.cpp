#include "pillora/startup/tool_commands.h"

#include <vector>

#include "common/log/run_record.h"
#include "common/text/errors.h"
#include "pillora/archive/archive_search.h"
#include "pillora/calibration/calibration_sheet.h"
#include "pillora/flags/flags.h"
#include "pillora/startup/printer_choice.h"

namespace pillora {

namespace {

// The calibration sheet's document, named as a job file would name it.
constexpr TextView kCalibrationName = u"calibration";

int calibrate(const std::vector<Text>& args, const PrinterSource& findPrinters, StartupIo io) {
  RunState run;
  run.notices = &io.err;
  if (args.size() > 1) currentRun().set("asked", args[1]);
  try {
    Printers& printers = findPrinters();
    if (args.size() > 1) choosePrinter(args[1], printers, io.err);
    const MarkerListing markers;
    printers.setJobName(Text(kCalibrationName));
    printCalibrationSheet(printers.current(), sampleFrames(run));
  } catch (const AppError& error) {
    io.err << "pillora: " << error.what() << "\n";
    return kExitFailed;
  }
  return kExitOk;
}

// The command and its arguments: separated by TABs (a shell's arguments, joined), or, as
// Windows hands over the line as it was written, the command up to the first blank and the
// rest as one argument, a printer name with or without quotes.
std::vector<Text> toolArguments(const Text& commandLine) {
  if (commandLine.find(u'\t') != Text::npos) {
    return split(commandLine, u"\t");
  }
  const std::size_t blank = commandLine.find(u' ');
  if (blank == Text::npos) {
    return {commandLine};
  }
  Text rest = trimBlanks(commandLine.substr(blank + 1));
  if (rest.size() >= 2 && rest.front() == u'"' && rest.back() == u'"') {
    rest = rest.substr(1, rest.size() - 2);
  }
  return {commandLine.substr(0, blank), rest};
}

}  // namespace

std::optional<int> runToolCommand(const Text& commandLine, const PrinterSource& findPrinters,
                                  StartupIo io) {
  if (!isToolCommand(commandLine)) {
    return std::nullopt;
  }
  const std::vector<Text> args = toolArguments(commandLine);
  const Text& command = args.front();
  currentRun().set("command", command);
  if (command == u"--calibrate") {
    return calibrate(args, findPrinters, io);
  }
  return findArchived({args.begin() + 1, args.end()}, io.out, io.err);
}

}  // namespace pillora
