#include "pillora/testform/command1_click.h"

#include <exception>

#include "common/log/run_record.h"
#include "pillora/testform/sample_bag.h"

namespace pillora {

Command1Click::Command1Click(Printers& printers, RunState& run) : m_printers(printers), m_run(run) {
  m_printers.setJobName(u"Form1");
}

std::optional<Text> Command1Click::operator()() const {
  try {
    printSampleBag(m_printers.current(), m_run);
    return std::nullopt;
  } catch (const std::exception& error) {
    // Any failure ends the program with its message, not only the system's own errors: an
    // exception must not unwind through the window toolkit's event loop.
    currentRun().warn(fromUtf8(error.what()));  // the message of the run's record
    return fromUtf8(error.what());
  }
}

}  // namespace pillora
