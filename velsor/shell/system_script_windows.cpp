// The self-deleting script on Windows: "destroy.bat" in code page 950 with CR LF, started by
// its full path.
#include <filesystem>

#include "common/text/textfile.h"
#include "platform/process/detached_process.h"
#include "velsor/shell/system_services.h"

namespace pillora {

const ScriptForm& SystemServices::scriptForm() {
  return kBatchScript;
}

void SystemServices::writeScript(const Text& path, const std::vector<Text>& lines) {
  writeCp950Lines(toUtf8(path), lines);
}

void SystemServices::startScript(const Text& path) {
  startDetached(std::filesystem::path(path), {});
}

}  // namespace pillora
