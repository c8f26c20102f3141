// velsor: the one-page service-pack wizard. It deploys the new drug-bag program and its
// drug-profile database into Rimora's folder when OK is pressed, then ends. The command line
// asks only for the help or the version. VELSOR_SILENT=1 runs it without a window (see
// silent_run.h).
#include <exception>
#include <iostream>
#include <string>

#include "platform/log/run_log.h"
#include "platform/process/standard_output.h"
#include "velsor/app/silent_run.h"
#include "velsor/app/window_run.h"

namespace {

constexpr int kUsage = 2;

constexpr const char* kHelp = R"(usage: velsor [--help | --version]

The service-pack wizard: OK deploys the program "a01.exe" and the database
"dbDrugProfile.mdb" beside velsor into the "tools" folder of Rimora's folder.

VELSOR_SILENT=1  no window: OK is pressed at once, what the page shows is
                 written to standard output, one line each
VELSOR_ACTION    another action: exe-update, rimora-update, price-update, start
VELSOR_HOME      another folder as velsor's own (the service pack)

Exit status: 0 the action completed, 1 it failed (the reason on standard
error, in the box and in velsor.log), 2 wrong arguments.
)";

std::string versionText() {
  return "velsor " + std::to_string(PILLORA_VERSION_MAJOR) + "." +
         std::to_string(PILLORA_VERSION_MINOR) + "." + std::to_string(PILLORA_VERSION_PATCH) + "\n";
}

int runWizard(int argc, char** argv) {
  if (pillora::silentModeAsked()) {
    // The lines are the same bytes on every system.
    pillora::writeStandardOutputUnchanged();
    return pillora::runSilent(std::cout);
  }
  return pillora::runWindow(argc, argv);
}

// The help, the version, a usage error, or the wizard.
int answer(int argc, char** argv) {
  const std::string asked = argc > 1 ? argv[1] : "";
  const bool known = asked == "--help" || asked == "--version";
  if (argc > 2 || (argc == 2 && !known)) {
    std::cerr << "velsor: unknown argument " << argv[known ? 2 : 1] << "; try 'velsor --help'\n";
    return kUsage;
  }
  if (asked == "--help") {
    std::cout << kHelp;
  } else if (asked == "--version") {
    std::cout << versionText();
  } else {
    return runWizard(argc, argv);
  }
  return std::cout.flush() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  pillora::RunLog log("velsor", "velsor.log");
  try {
    return log.finish(answer(argc, argv));
  } catch (const std::exception& error) {
    std::cerr << "velsor: " << error.what() << "\n";
    return log.finish(1);
  }
}
