#pragma once
// The wizard without a window (VELSOR_SILENT=1): OK is pressed right after start-up, the
// program then ends as the wizard would.
#include <ostream>

namespace pillora {

bool silentModeAsked();
// Returns the exit status.
int runSilent(std::ostream& out);

}  // namespace pillora
