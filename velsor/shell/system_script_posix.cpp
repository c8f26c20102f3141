// The self-deleting script on Linux: "destroy.sh" in UTF-8 with LF, run by /bin/sh.
#include <filesystem>

#include "common/text/textfile.h"
#include "platform/files/staged_file.h"
#include "platform/process/detached_process.h"
#include "velsor/shell/system_services.h"

namespace pillora {

const ScriptForm& SystemServices::scriptForm() {
  return kShellScript;
}

void SystemServices::writeScript(const Text& path, const std::vector<Text>& lines) {
  // A new file of its own, then renamed: a link left under the name is replaced, not
  // followed.
  const std::filesystem::path file(path);
  StagedFile(file, utf8LineBytes(lines), StagedFile::Access::Private).moveReplacing(file);
}

void SystemServices::startScript(const Text& path) {
  startDetached("/bin/sh", {std::filesystem::path(path)});
}

}  // namespace pillora
