#include "platform/print/font_map.h"

#include <pango/pangocairo.h>
#include <pango/pangofc-fontmap.h>

#include "platform/print/fonts_conf.h"

namespace pillora {

PangoFontMap* printerFontMap() {
  static PangoFontMap* const map = [] {
    // Made current before the font map exists: a new font map sets up fontconfig's default
    // in a thread of its own when nothing is current, parsing the system's files a second
    // time while the job waits for it.
    makeProjectFontsCurrent("PILLORA_HOME", "pillora");
    PangoFontMap* fontMap = pango_cairo_font_map_new_for_font_type(CAIRO_FONT_TYPE_FT);
    pango_fc_font_map_set_config(PANGO_FC_FONT_MAP(fontMap), FcConfigGetCurrent());
    return fontMap;
  }();
  return map;
}

}  // namespace pillora
