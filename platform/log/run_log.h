#pragma once
// The job log: one line per run of a program, appended when the run ends, so that what a
// run printed, produced and warned about stays on record after its window or console is
// gone. The line: the time (ISO 8601 with the offset from UTC), the program, its process id,
// then the fields of the run's record (common/log/run_record.h).
//
// pillora writes "pillora.log", the other programs a file of their own beside it
// ("pillora-profile.log", "velsor.log"): in the folder of the file PILLORA_LOG names when it
// is set, else in ${XDG_STATE_HOME:-~/.local/state}/pillora (Linux) or
// %LOCALAPPDATA%\Pillora (Windows). A log past 1 MiB is renamed "<name>.1" (replacing the
// older one) before the next line is written. Several runs may end at the same moment: each
// line is written whole with one append, and the renaming is done by one of them only.
#include <filesystem>
#include <optional>
#include <string>

#include "common/log/notice_capture.h"

namespace pillora {

inline constexpr std::uintmax_t kRunLogRotateAt = std::uintmax_t{1} << 20;

// The job log file `fileName` ("pillora.log" is PILLORA_LOG itself when that is set).
std::filesystem::path runLogPath(const std::string& fileName);

// Appends `line` (ended by LF) to the log in one write, renaming a log past kRunLogRotateAt
// first. FileError ("cannot write the job log <file>: <the system's reason>") when it cannot.
void appendLogLine(const std::filesystem::path& log, const std::string& line);

// One run's record and its line. Notices written to standard error from construction on are
// recorded; finish() writes the line. A log that cannot be written fails nothing: one more
// line on standard error says so.
class RunLog {
 public:
  RunLog(std::string program, std::string fileName);
  RunLog(const RunLog&) = delete;
  RunLog& operator=(const RunLog&) = delete;
  ~RunLog();

  // Writes the run's line with its exit status; returns the status.
  int finish(int status);

 private:
  std::string m_program;
  std::string m_fileName;
  std::optional<NoticeCapture> m_capture;
};

}  // namespace pillora
