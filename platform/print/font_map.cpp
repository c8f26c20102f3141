#include "platform/print/font_map.h"

#include <pango/pangocairo.h>
#include <pango/pangofc-fontmap.h>

#include <cstring>
#include <map>
#include <mutex>
#include <string>

#include "platform/print/fonts_conf.h"
#include "platform/print/graphics_handles.h"

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

namespace {

// Whether some installed font bears this family name (in any letter case).
bool isInstalledFamily(const char* family) {
  FcConfig* config = pango_fc_font_map_get_config(PANGO_FC_FONT_MAP(printerFontMap()));
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
  FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
  FcFontSet* fonts = FcFontList(config, pattern, objects);
  const bool installed = fonts != nullptr && fonts->nfont > 0;
  if (fonts != nullptr) {
    FcFontSetDestroy(fonts);
  }
  FcObjectSetDestroy(objects);
  FcPatternDestroy(pattern);
  return installed;
}

// The family of the font the font map picks first for the description; the description's
// own family when it picks none.
std::string pickedFamily(PangoContext* context, const PangoFontDescription* description) {
  const char* asked = pango_font_description_get_family(description);
  const GObjectHandle<PangoFont> font(
      pango_font_map_load_font(printerFontMap(), context, description));
  if (!font) {
    return asked;
  }
  const FontDescription described(pango_font_describe(font.get()));
  const char* family = pango_font_description_get_family(described.get());
  return family != nullptr ? family : asked;
}

std::string settledFamily(PangoContext* context, const PangoFontDescription* description) {
  const char* asked = pango_font_description_get_family(description);
  if (std::strchr(asked, ',') != nullptr || isInstalledFamily(asked)) {
    return asked;
  }
  return pickedFamily(context, description);
}

// The description without its size, as text: the key of the settled families.
std::string sizelessKey(const PangoFontDescription* description) {
  const FontDescription sizeless(pango_font_description_copy(description));
  pango_font_description_unset_fields(sizeless.get(), PANGO_FONT_MASK_SIZE);
  char* text = pango_font_description_to_string(sizeless.get());
  std::string key(text);
  g_free(text);
  return key;
}

}  // namespace

void useSettledFamily(PangoContext* context, PangoFontDescription* description) {
  if (pango_font_description_get_family(description) == nullptr) {
    return;
  }
  static std::mutex guard;
  static std::map<std::string, std::string> settled;
  const std::lock_guard<std::mutex> lock(guard);
  const std::string key = sizelessKey(description);
  auto known = settled.find(key);
  if (known == settled.end()) {
    known = settled.emplace(key, settledFamily(context, description)).first;
  }
  pango_font_description_set_family(description, known->second.c_str());
}

}  // namespace pillora
