// velsor: the one-page service-pack wizard. It deploys the new drug-bag program and its
// drug-profile database into Rimora's folder when OK is pressed, then ends. No arguments
// are read. VELSOR_SILENT=1 runs it without a window (see silent_run.h).
#include <exception>
#include <iostream>

#include "platform/log/run_log.h"
#include "platform/process/standard_output.h"
#include "velsor/app/silent_run.h"
#include "velsor/app/window_run.h"

namespace {

int runWizard(int argc, char** argv) {
  try {
    if (pillora::silentModeAsked()) {
      // The lines are the same bytes on every system.
      pillora::writeStandardOutputUnchanged();
      return pillora::runSilent(std::cout);
    }
    return pillora::runWindow(argc, argv);
  } catch (const std::exception& error) {
    std::cerr << "velsor: " << error.what() << "\n";
    return 1;
  }
}

}  // namespace

int main(int argc, char** argv) {
  pillora::RunLog log("velsor", "velsor.log");
  return log.finish(runWizard(argc, argv));
}
