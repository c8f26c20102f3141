#include "velsor/app/logged_run.h"

#include <exception>
#include <iostream>

#include "platform/log/run_log.h"

namespace pillora {

int loggedRun(const std::function<int()>& run) {
  RunLog log("velsor", "velsor.log");
  try {
    return log.finish(run());
  } catch (const std::exception& error) {
    std::cerr << "velsor: " << error.what() << "\n";
    return log.finish(1);
  }
}

}  // namespace pillora
