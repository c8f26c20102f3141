// velsor: the one-page service-pack wizard. It deploys the new drug-bag program and its
// drug-profile database into Rimora's folder when OK is pressed, then ends. The command line
// asks only for the help or the version. VELSOR_SILENT=1 runs it without a window (see
// silent_run.h).
#include <iostream>
#include <string>

#include "platform/process/standard_output.h"
#include "velsor/app/logged_run.h"
#include "velsor/app/silent_run.h"
#include "velsor/app/window_main.h"

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

int runSilently() {
  // The lines are the same bytes on every system.
  pillora::writeStandardOutputUnchanged();
  return pillora::runSilent(std::cout);
}

// The help, the version, a usage error, or the wizard without a window.
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
    return runSilently();
  }
  return std::cout.flush() ? 0 : 1;
}

}  // namespace

// The wizard's window opens when there is no argument and no silent mode is asked for.
int main(int argc, char** argv) {
  if (argc == 1 && !pillora::silentModeAsked()) {
    return pillora::openWindow(argc, argv);
  }
  return pillora::loggedRun([&] { return answer(argc, argv); });
}
