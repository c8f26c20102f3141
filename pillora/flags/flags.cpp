#include "pillora/flags/flags.h"

#include "platform/files/files.h"

namespace pillora {

std::string pilloraFolder() {
  return programFolder("PILLORA_HOME");
}

std::string pilloraFile(std::string_view name) {
  const std::string folder = pilloraFolder();
  return findOrdinaryFileIgnoreCase(folder, name).value_or(joinPath(folder, name));
}

bool pilloraMarkerExists(std::string_view name) {
  return findOrdinaryFileIgnoreCase(pilloraFolder(), name).has_value();
}

bool isFlag151014() {
  return pilloraMarkerExists("151014.config");
}
bool isBlankBody() {
  return pilloraMarkerExists("BlankBody.config");
}
bool isPrePrintNameAddress() {
  return pilloraMarkerExists("PrePrintNameAddress.config");
}
bool isPharmacyUp() {
  return pilloraMarkerExists("isPharmacyUp.config");
}
bool isFlag220306() {
  return pilloraMarkerExists("220306.config");
}
bool isFlag220603() {
  return pilloraMarkerExists("220603.config");
}
bool isFlag180208() {
  return pilloraMarkerExists("180208.config");
}

}  // namespace pillora
