#pragma once
// The start-up module's state for one run: the print option and the sheet number taken
// from the command line. Set before the job reader runs; afterwards only the usage lines
// of the paged drug list change the sheet number (0 becomes 1).
#include <cstdint>
#include <iosfwd>

#include "common/text/text.h"

namespace pillora {

inline constexpr TextView kPrintEverything = u"全部列印";

struct RunState {
  Text printOption = Text(kPrintEverything);
  std::int16_t sheetNumber = 0;
  // Where notices go that do not stop the run, one line each (standard error); none when
  // null.
  std::ostream* notices = nullptr;
};

}  // namespace pillora
