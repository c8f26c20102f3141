#include "platform/process/display.h"

#include <cstdlib>

namespace pillora {

namespace {

bool isSet(const char* name) {
  const char* value = std::getenv(name);  // NOLINT(concurrency-mt-unsafe): read at start-up
  return value != nullptr && *value != '\0';
}

}  // namespace

std::optional<std::string> missingDisplay() {
  if (isSet("DISPLAY") || isSet("WAYLAND_DISPLAY") || isSet("QT_QPA_PLATFORM")) {
    return std::nullopt;
  }
  return "no display to show the window on (DISPLAY and WAYLAND_DISPLAY are not set)";
}

}  // namespace pillora
