#include "velsor/actions/rimora_folder.h"

#include "common/text/errors.h"
#include "platform/files/files.h"
#include "platform/settings/settings_store.h"

namespace pillora {

std::filesystem::path updateProgramFolder() {
  return {fromUtf8(programFolder("VELSOR_HOME"))};
}

std::filesystem::path rimoraFolder() {
  const Text folder = getSetting(u"Rimora", u"Options", u"RimoraStartupPath");
  if (folder.empty()) throw FileError("the Rimora folder is not set");
  return {folder};
}

}  // namespace pillora
