#include "platform/print/font_map.h"

#include <fontconfig/fontconfig.h>
#include <pango/pangocairo.h>
#include <pango/pangofc-fontmap.h>

#include <iostream>
#include <string_view>

#include "platform/files/files.h"

namespace pillora {

namespace {

constexpr std::string_view kFontsConfName = "pillora-fonts.conf";

FcConfig* loadFontConfig() {
  FcConfig* config = FcConfigCreate();
  const std::string projectFile = fontsConfFile();
  if (projectFile.empty()) {
    std::cerr << "pillora: " << kFontsConfName
              << " not found; font names are left to the system's fontconfig set-up\n";
  } else {
    FcConfigParseAndLoad(config, reinterpret_cast<const FcChar8*>(projectFile.c_str()), FcTrue);
  }
  // A null file name is the system's own set-up (FONTCONFIG_FILE or the default file).
  FcConfigParseAndLoad(config, nullptr, FcTrue);
  FcConfigBuildFonts(config);
  return config;
}

}  // namespace

std::string fontsConfFile() {
  std::string beside = joinPath(programFolder("PILLORA_HOME"), kFontsConfName);
  if (ordinaryFileExists(beside)) {
    return beside;
  }
  if (ordinaryFileExists(PILLORA_FONTS_CONF_SOURCE)) {
    return PILLORA_FONTS_CONF_SOURCE;
  }
  return {};
}

PangoFontMap* printerFontMap() {
  static PangoFontMap* const map = [] {
    PangoFontMap* fontMap = pango_cairo_font_map_new_for_font_type(CAIRO_FONT_TYPE_FT);
    FcConfig* config = loadFontConfig();
    pango_fc_font_map_set_config(PANGO_FC_FONT_MAP(fontMap), config);
    FcConfigDestroy(config);  // the font map holds its own reference
    return fontMap;
  }();
  return map;
}

}  // namespace pillora
