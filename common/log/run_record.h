#pragma once
// What one run of a program did, for its line in the job log: the job and its print option,
// the printer asked for and the printer used, what was produced, the pages, every notice
// that did not stop the run, and the result. The layers of a program report into the one
// record of the process (currentRun()); the program's start-up writes it when the run ends.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/text/text.h"

namespace pillora {

class RunRecord {
 public:
  // A field with one value: a later value replaces the earlier one in its place.
  void set(std::string_view key, TextView value);
  // A field that may come several times (an output file, a step), in the order given.
  void add(std::string_view key, TextView value);
  // One more page handed to a printer.
  void countPage();
  // A notice that did not stop the run (as written to standard error, one line).
  void warn(TextView line);
  // The run's exit status. The message of a failed run is the line it ended with, its last
  // notice: every program says why it failed in one last line.
  void finish(int status);

  // key=value fields separated by TAB, values escaped as in the print log: the fields in
  // the order first given, then pages, each warning, the status and the failure message.
  std::string fields() const;
  // Nothing recorded yet (the state of a new process).
  void clear();

 private:
  std::vector<std::pair<std::string, Text>> m_fields;
  std::vector<Text> m_warnings;
  int m_pages = 0;
  std::optional<int> m_status;
  Text m_message;
};

// The record of this process's run.
RunRecord& currentRun();

}  // namespace pillora
