// pillora-testform: the test window of the drug-bag program. Each click of its one button
// prints one sample bag on the default printer, so that the single-drug bag can be seen on
// paper without a job file.
#include <exception>
#include <iostream>
#include <memory>

#include "pillora/testform/test_window.h"
#include "platform/log/run_log.h"
#include "platform/print/installed_printers.h"

namespace {

int runForm(int argc, char** argv) {
  try {
    const std::unique_ptr<pillora::Printers> printers = pillora::installedPrinters();
    pillora::RunState run;
    return pillora::runTestWindow(argc, argv, *printers, run);
  } catch (const std::exception& error) {
    std::cerr << "pillora-testform: " << error.what() << "\n";
    return 1;
  }
}

}  // namespace

int main(int argc, char** argv) {
  pillora::RunLog log("pillora-testform", "pillora-testform.log");
  return log.finish(runForm(argc, argv));
}
