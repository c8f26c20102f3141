// The self-deleting script on Windows: "destroy.bat" in code page 950 with CR LF, started by
// its full path.
#include <filesystem>

#include "common/text/textfile.h"
#include "platform/files/staged_file.h"
#include "platform/process/detached_process.h"
#include "velsor/shell/system_services.h"

namespace pillora {

const ScriptForm& SystemServices::scriptForm() {
  return kBatchScript;
}

void SystemServices::writeScript(const Text& path, const std::vector<Text>& lines) {
  // A new file of its own, then renamed: a link left under the name is replaced, not
  // followed.
  const std::filesystem::path file(path);
  StagedFile(file, cp950LineBytes(lines), StagedFile::Access::Private).moveReplacing(file);
}

void SystemServices::startScript(const Text& path) {
  startDetached(std::filesystem::path(path), {});
}

}  // namespace pillora
