// The self-deleting script on Linux: "destroy.sh" in UTF-8 with LF, run by /bin/sh.
#include <filesystem>

#include "common/text/textfile.h"
#include "platform/process/detached_process.h"
#include "velsor/shell/system_services.h"

namespace pillora {

const ScriptForm& SystemServices::scriptForm() {
  return kShellScript;
}

void SystemServices::writeScript(const Text& path, const std::vector<Text>& lines) {
  writeUtf8Lines(toUtf8(path), lines);
}

void SystemServices::startScript(const Text& path) {
  startDetached("/bin/sh", {std::filesystem::path(path)});
}

}  // namespace pillora
