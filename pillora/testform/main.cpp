// pillora-testform: the test window of the drug-bag program. Each click of its one button
// prints one sample bag on the default printer, so that the single-drug bag can be seen on
// paper without a job file.
#include <exception>
#include <iostream>
#include <memory>
#include <string_view>

#include "pillora/testform/test_window.h"
#include "platform/log/run_log.h"
#include "platform/print/installed_printers.h"

namespace {

constexpr std::string_view kHelp =
    "usage: pillora-testform [--help | --version]\n"
    "Shows the window \"Form1\"; each click of its button \"Command1\" prints one sample bag on\n"
    "the default printer. Exit status: 0 when the window is closed; 1 when a print fails or\n"
    "no window can be shown (no display).\n";

// --help and --version are answered before anything else; false for any other argument.
bool answerOption(int argc, char** argv) {
  const std::string_view first = argc > 1 ? argv[1] : "";
  if (first == "--help") {
    std::cout << kHelp;
  } else if (first == "--version") {
    std::cout << "pillora-testform " << PILLORA_VERSION_MAJOR << "." << PILLORA_VERSION_MINOR << "."
              << PILLORA_VERSION_PATCH << "\n";
  } else {
    return false;
  }
  return true;
}

int runForm(int argc, char** argv) {
  try {
    if (answerOption(argc, argv)) {
      return 0;
    }
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
