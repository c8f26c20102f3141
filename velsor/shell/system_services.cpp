#include "velsor/shell/system_services.h"

#include <filesystem>

#include "common/text/textfile.h"
#include "platform/clock/clock.h"
#include "platform/files/files.h"
#include "platform/process/detached_process.h"

namespace pillora {

Text SystemServices::timeOfDay() {
  return pillora::timeOfDay();
}

Text SystemServices::programFolder() {
  return fromUtf8(pillora::programFolder("VELSOR_HOME"));
}

void SystemServices::writeScript(const Text& path, const std::vector<Text>& lines) {
  writeUtf8Lines(toUtf8(path), lines);
}

void SystemServices::startScript(const Text& path) {
  startDetached("/bin/sh", {std::filesystem::path(path)});
}

}  // namespace pillora
