#include "platform/print/fonts_conf.h"

#include <iostream>

#include "platform/files/files.h"

namespace pillora {

std::string fontsConfFile(const char* overrideVariable) {
  constexpr std::string_view kFontsConfName = "pillora-fonts.conf";
  std::string beside = joinPath(programFolder(overrideVariable), kFontsConfName);
  if (ordinaryFileExists(beside)) {
    return beside;
  }
  if (ordinaryFileExists(PILLORA_FONTS_CONF_SOURCE)) {
    return PILLORA_FONTS_CONF_SOURCE;
  }
  return {};
}

FcConfig* loadFontConfig(const char* overrideVariable, std::string_view programName) {
  FcConfig* config = FcConfigCreate();
  const std::string projectFile = fontsConfFile(overrideVariable);
  if (projectFile.empty()) {
    std::cerr << programName
              << ": pillora-fonts.conf not found; font names are left to the system's "
                 "fontconfig set-up\n";
  } else {
    FcConfigParseAndLoad(config, reinterpret_cast<const FcChar8*>(projectFile.c_str()), FcTrue);
  }
  // A null file name is the system's own set-up (FONTCONFIG_FILE or the default file).
  FcConfigParseAndLoad(config, nullptr, FcTrue);
  FcConfigBuildFonts(config);
  return config;
}

void makeProjectFontsCurrent(const char* overrideVariable, std::string_view programName) {
  FcConfig* config = loadFontConfig(overrideVariable, programName);
  FcConfigSetCurrent(config);
  FcConfigDestroy(config);  // the current set-up holds its own reference
}

}  // namespace pillora
