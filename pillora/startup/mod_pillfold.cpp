#include "pillora/startup/mod_pillfold.h"

#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <vector>

#include "common/log/run_record.h"
#include "common/text/attempt.h"
#include "common/text/convert.h"
#include "common/text/errors.h"
#include "common/text/log_field.h"
#include "pillora/flags/flags.h"
#include "pillora/startup/printer_choice.h"
#include "pillora/startup/tool_commands.h"
#include "platform/files/files.h"

namespace pillora {

namespace {

// The print options that mean something; any other acts like "全部列印".
constexpr std::array<TextView, 5> kPrintOptions = {u"全部列印", u"0", u"1", u"2", u"CP"};

// The text between the first and the second "." names the sheet when it is a number. A
// number beyond the 16-bit range is ignored and the sheet number stays as it was.
void takeSheetNumber(const Text& commandLine, RunState& run) {
  const std::vector<Text> pieces = split(commandLine, u".");
  if (pieces.size() > 1 && isNumeric(pieces[1])) {
    attempt([&] { run.sheetNumber = toInt16(pieces[1]); });
  }
}

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

// The print option and the fields after the third as the host wrote them, each warned
// about when it is not taken as written.
void takePrintOption(const std::vector<Text>& fields, RunState& run) {
  if (fields.size() >= 2) run.printOption = fields[1];
  if (std::find(kPrintOptions.begin(), kPrintOptions.end(), TextView(run.printOption)) ==
      kPrintOptions.end()) {
    *run.notices << "pillora: print option \"" << escapeLogField(run.printOption)
                 << "\" is none of 全部列印, 0, 1, 2, CP: everything is printed\n";
  }
  if (fields.size() > 3) {
    *run.notices << "pillora: the command line's fields after the third are ignored: \""
                 << escapeLogField(join(std::span(fields).subspan(3), u"\t")) << "\"\n";
  }
}

int printJob(const Text& commandLine, const PrinterSource& findPrinters, const JobReaders& readers,
             RunState& run) {
  takeSheetNumber(commandLine, run);
  const std::vector<Text> fields = split(commandLine, u"\t");
  const Text& path = fields[0];
  takePrintOption(fields, run);
  recordJob(fields, run);
  if (const auto problem = unreadableFileReason(toUtf8(path))) {
    *run.notices << "pillora: cannot read the job file " << toUtf8(path) << ": " << *problem
                 << "\n";
    return kExitFailed;
  }
  Printers& printers = findPrinters();
  if (fields.size() >= 3) choosePrinter(fields[2], printers, *run.notices);
  const MarkerListing markers;  // the program folder is read once for the whole job
  printers.setJobName(path);
  readerFor(path, readers)(path, run, printers.current());
  return kExitOk;
}

}  // namespace

int Main(const Text& commandLine, const PrinterSource& findPrinters, const JobReaders& readers,
         StartupIo io) {
  try {
    if (const FrontAnswer answer = answerWithoutJob(commandLine)) {
      return answer(io);
    }
    if (commandLine == u"--list-printers") {
      listPrinters(findPrinters(), io.out, io.err);
      return kExitOk;
    }
    if (const auto status = runToolCommand(commandLine, findPrinters, io)) {
      return *status;
    }
    RunState run;
    run.notices = &io.err;
    return printJob(commandLine, findPrinters, readers, run);
  } catch (const AppError& error) {
    io.err << "pillora: " << error.what() << "\n";
    return kExitFailed;
  }
}

}  // namespace pillora
