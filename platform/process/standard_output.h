#pragma once
// Standard output of the programs that write lines for other programs to read.
#include <functional>
#include <ostream>
#include <string>

namespace pillora {

// Runs `answer` with the stream a window program's answers (its version, its printer list)
// go to, and returns its status: standard output when the caller reads it. A Windows program
// of the GUI subsystem started without standard handles (from Explorer, a shortcut) has
// none: there the answer is gathered and shown in a message box titled `title`.
int answerThrough(const std::string& title, const std::function<int(std::ostream&)>& answer);

// From now on standard output gets the bytes as written: on Windows the run-time would
// write every LF as CR LF; on Linux there is nothing to change.
void writeStandardOutputUnchanged();

}  // namespace pillora
