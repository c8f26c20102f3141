#include "pillora/startup/mod_pillfold.h"

#include <string>
#include <vector>

#include "common/log/run_record.h"
#include "common/text/attempt.h"
#include "common/text/convert.h"
#include "common/text/errors.h"
#include "pillora/flags/flags.h"
#include "pillora/startup/tool_commands.h"
#include "platform/files/files.h"

namespace pillora {

namespace {

constexpr std::string_view kUsage =
    "usage: pillora JOBFILE[<TAB>PRINT-OPTION[<TAB>PRINTER]]  (or: pillora JOBFILE OPTION "
    "PRINTER; /V shows the version)";

Text versionText() {
  return fromUtf8(std::to_string(PILLORA_VERSION_MAJOR) + "." +
                  std::to_string(PILLORA_VERSION_MINOR) + "." +
                  std::to_string(PILLORA_VERSION_PATCH));
}

// The text between the first and the second "." names the sheet when it is a number. A
// number beyond the 16-bit range is ignored and the sheet number stays as it was.
void takeSheetNumber(const Text& commandLine, RunState& run) {
  const std::vector<Text> pieces = split(commandLine, u".");
  if (pieces.size() > 1 && isNumeric(pieces[1])) {
    attempt([&] { run.sheetNumber = toInt16(pieces[1]); });
  }
}

}  // namespace

// Every printer whose trimmed device name (or queue name) equals the trimmed wanted name
// becomes current in turn, so the last match wins; no match keeps the default printer.
void choosePrinter(const Text& wanted, Printers& printers) {
  const Text name = trimBlanks(wanted);
  const std::vector<PrinterEntry> entries = printers.list();
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (trimBlanks(entries[i].deviceName) == name || trimBlanks(entries[i].queueName) == name) {
      printers.choose(i);
    }
  }
}

namespace {

const JobReader& readerFor(const Text& path, const JobReaders& readers) {
  if (endsWith(path, u".ndrg")) return readers.ndrg;
  if (endsWith(path, u".drg")) return readers.drg;
  return readers.multiDrug;
}

// The job's part of the run's record: what the host asked for.
void recordJob(const std::vector<Text>& fields, const RunState& run) {
  RunRecord& record = currentRun();
  record.set("job", fields[0]);
  record.set("option", run.printOption);
  if (fields.size() >= 3) record.set("asked", fields[2]);
}

}  // namespace

int Main(const Text& commandLine, const PrinterSource& findPrinters, const JobReaders& readers,
         StartupIo io) {
  RunState run;
  run.notices = &io.err;
  const Text asked = upper(commandLine);
  if (asked == u"/V" || asked == u"-V" || commandLine == u"--version") {
    io.out << toUtf8(kProgramTitle) << ": " << toUtf8(versionText()) << "\n";
    return kExitOk;
  }
  if (commandLine == u"--help") {
    io.out << kUsage << "\n";
    return kExitOk;
  }
  if (const auto status = runToolCommand(commandLine, findPrinters, io)) {
    return *status;
  }
  takeSheetNumber(commandLine, run);
  const std::vector<Text> fields = split(commandLine, u"\t");
  const Text& path = fields[0];
  if (path.empty()) {
    io.err << kUsage << "\n";
    return kExitUsage;
  }
  if (fields.size() >= 2) run.printOption = fields[1];
  recordJob(fields, run);
  if (const auto problem = unreadableFileReason(toUtf8(path))) {
    io.err << "pillora: cannot read the job file " << toUtf8(path) << ": " << *problem << "\n";
    return kExitFailed;
  }
  try {
    Printers& printers = findPrinters();
    if (fields.size() >= 3) choosePrinter(fields[2], printers);
    const MarkerListing markers;  // the program folder is read once for the whole job
    printers.setJobName(path);
    readerFor(path, readers)(path, run, printers.current());
  } catch (const AppError& error) {
    io.err << "pillora: " << error.what() << "\n";
    return kExitFailed;
  }
  return kExitOk;
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
