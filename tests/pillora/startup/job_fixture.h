#pragma once
// What the job reader tests share: a throw-away program folder (no profile database, no
// markers unless a test adds them), job files written into it in code page 950 with CR LF,
// and a recording printer that the reader prints on.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "pillora/records/run_state.h"
#include "tests/support/log_lines.h"
#include "tests/support/recording_printer.h"
#include "tests/support/temp_folder.h"

namespace pillora::testing {

class JobReaderTest : public ::testing::Test {
 protected:
  Text writeJob(const std::string& name, const std::vector<Text>& lines) {
    folder.writeBig5(name, lines);
    return fromUtf8(folder.file(name));
  }

  TempProgramFolder folder;
  RecordingPrinter recorder;
  RunState run;
};

}  // namespace pillora::testing
