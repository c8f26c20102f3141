#pragma once
// What a click of Command1 does, whichever window toolkit draws the test window: one sample
// bag on the current printer, in a document named after the window. A click that fails is
// handled as the platform handles an unhandled error: its message in a box titled
// "pillora-testform", then the program ends with status 1. The toolkits show the box and
// end the program; the rest is here.
#include <optional>

#include "common/print/printer_surface.h"
#include "common/text/text.h"
#include "pillora/records/run_state.h"

namespace pillora {

inline constexpr TextView kTestFormTitle = u"pillora-testform";
inline constexpr int kClickFailedStatus = 1;

class Command1Click {
 public:
  // Names the printers' documents "Form1".
  Command1Click(Printers& printers, RunState& run);

  // Prints one sample bag on the current printer; the failure's message when it could not.
  std::optional<Text> operator()() const;

 private:
  Printers& m_printers;
  RunState& m_run;
};

}  // namespace pillora
