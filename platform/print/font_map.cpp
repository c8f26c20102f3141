#include "platform/print/font_map.h"

#include <pango/pangocairo.h>
#include <pango/pangofc-fontmap.h>

#include "platform/print/fonts_conf.h"

namespace pillora {

PangoFontMap* printerFontMap() {
  static PangoFontMap* const map = [] {
    PangoFontMap* fontMap = pango_cairo_font_map_new_for_font_type(CAIRO_FONT_TYPE_FT);
    FcConfig* config = loadFontConfig("PILLORA_HOME", "pillora");
    pango_fc_font_map_set_config(PANGO_FC_FONT_MAP(fontMap), config);
    FcConfigDestroy(config);  // the font map holds its own reference
    return fontMap;
  }();
  return map;
}

}  // namespace pillora
