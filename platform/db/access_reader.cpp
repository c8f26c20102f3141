#include "platform/db/access_reader.h"

#include <string>

#include "common/db/access_copy.h"
#include "common/text/convert.h"
#include "common/text/errors.h"
#include "platform/files/files.h"
#include "platform/process/child_process.h"

namespace fs = std::filesystem;

namespace pillora {

namespace {

constexpr const char* kReaderName = "pillora-access-copy";

fs::path readerProgram() {
  const fs::path beside = executableFolder() / kReaderName;
  std::error_code error;
  return fs::is_regular_file(beside, error) ? beside : fs::path(PILLORA_ACCESS_COPY_BUILD_PATH);
}

std::string whyNotRead(const fs::path& file, const ChildOutcome& outcome) {
  std::string reason =
      "the reader failed (exit status " + decimal(outcome.exitCode.value_or(-1)) + ")";
  if (outcome.timedOut)
    reason = "the reader took longer than " + decimal(kReaderTimeLimit.count()) + " s";
  if (outcome.signal) reason = "the reader crashed (signal " + decimal(*outcome.signal) + ")";
  return "cannot read the Access database file " + file.string() + ": " + reason;
}

ChildOutcome runReader(const fs::path& file, const fs::path& target,
                       const std::vector<std::string>& tables) {
  std::vector<fs::path> arguments{file, target};
  arguments.insert(arguments.end(), tables.begin(), tables.end());
  try {
    return runChild(readerProgram(), arguments, kReaderTimeLimit);
  } catch (const FileError& error) {
    throw DatabaseError("cannot read the Access database file " + file.string() + ": " +
                        error.what());
  }
}

}  // namespace

void readAccessFile(const fs::path& file, const fs::path& target,
                    const std::vector<std::string>& tables) {
  const ChildOutcome outcome = runReader(file, target, tables);
  if (outcome.exitCode == 0) return;
  // The reader's own message names the file and the reason.
  const bool said = !outcome.lastErrorLine.empty();
  if (outcome.exitCode == kAccessCopyNotWritten && said) {
    throw CopyNotWritten(outcome.lastErrorLine);
  }
  if (outcome.exitCode == kAccessCopyFailed && said) throw DatabaseError(outcome.lastErrorLine);
  throw DatabaseError(whyNotRead(file, outcome));
}

}  // namespace pillora
