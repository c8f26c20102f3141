#pragma once
// A run of velsor with its line in "velsor.log": whatever the run throws is one line on
// standard error and a failed status.
#include <functional>

namespace pillora {

// Returns the run's exit status (1 when it threw).
int loggedRun(const std::function<int()>& run);

}  // namespace pillora
