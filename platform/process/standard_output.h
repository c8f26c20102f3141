#pragma once
// Standard output of the programs that write lines for other programs to read.

namespace pillora {

// From now on standard output gets the bytes as written: on Windows the run-time would
// write every LF as CR LF; on Linux there is nothing to change.
void writeStandardOutputUnchanged();

}  // namespace pillora
