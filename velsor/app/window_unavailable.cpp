// Where the wizard has no window of its own yet (the Windows build): only silent mode runs.
#include <stdexcept>

#include "velsor/app/window_run.h"

namespace pillora {

int runWindow(int /*argc*/, char** /*argv*/) {
  throw std::runtime_error("this build has no window for the wizard; run it with VELSOR_SILENT=1");
}

}  // namespace pillora
