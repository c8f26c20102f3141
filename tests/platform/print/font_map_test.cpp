// The printer's font map: names no installed font bears are settled on the family of the
// font they stand for, and the fonts a text is drawn in stay those its own name gives.
#include "platform/print/font_map.h"

#include <gtest/gtest.h>
#include <pango/pangocairo.h>

#include <string>
#include <vector>

#include "platform/print/graphics_handles.h"

namespace pillora {
namespace {

FontDescription describe(const std::string& family, PangoWeight weight, double size = 12) {
  FontDescription description(pango_font_description_new());
  pango_font_description_set_family(description.get(), family.c_str());
  pango_font_description_set_weight(description.get(), weight);
  pango_font_description_set_absolute_size(description.get(), size * PANGO_SCALE);
  return description;
}

// The family and weight of each run's font when the text is laid out in the description.
std::vector<std::string> runFonts(PangoContext* context, const PangoFontDescription* font,
                                  const std::string& text) {
  const GObjectHandle<PangoLayout> layout(pango_layout_new(context));
  pango_layout_set_font_description(layout.get(), font);
  pango_layout_set_text(layout.get(), text.data(), static_cast<int>(text.size()));
  std::vector<std::string> fonts;
  for (GSList* run = pango_layout_get_line_readonly(layout.get(), 0)->runs; run != nullptr;
       run = run->next) {
    const auto* item = static_cast<PangoGlyphItem*>(run->data)->item;
    const FontDescription described(pango_font_describe(item->analysis.font));
    char* name = pango_font_description_to_string(described.get());
    fonts.emplace_back(name);
    g_free(name);
  }
  return fonts;
}

struct Settling {
  std::string asked;
  PangoWeight weight;
  std::string settled;
};

const std::vector<Settling> kSettlings = {
    {"標楷體", PANGO_WEIGHT_NORMAL, "AR PL UKai TW"},
    {"標楷體", PANGO_WEIGHT_BOLD, "AR PL UKai TW"},
    {"微軟正黑體", PANGO_WEIGHT_NORMAL, "Noto Sans CJK TC"},
    {"No Such Font", PANGO_WEIGHT_NORMAL, "AR PL UKai TW"},
    {"", PANGO_WEIGHT_NORMAL, "AR PL UKai TW"},
    // Names an installed font bears, and lists of names, are left as they are.
    {"Liberation Sans", PANGO_WEIGHT_NORMAL, "Liberation Sans"},
    {"liberation sans", PANGO_WEIGHT_BOLD, "liberation sans"},
    {"No Such Font,Liberation Sans", PANGO_WEIGHT_NORMAL, "No Such Font,Liberation Sans"},
};

TEST(PrinterFontMap, NamesNoFontBearsAreSettledOnTheFamilyOfTheirFont) {
  const GObjectHandle<PangoContext> context(pango_font_map_create_context(printerFontMap()));
  for (const Settling& s : kSettlings) {
    SCOPED_TRACE(s.asked);
    for (const double size : {10.0, 14.0}) {  // the second size from what was settled
      const FontDescription font = describe(s.asked, s.weight, size);
      useSettledFamily(context.get(), font.get());
      EXPECT_STREQ(pango_font_description_get_family(font.get()), s.settled.c_str());
      EXPECT_EQ(pango_font_description_get_weight(font.get()), s.weight);
      EXPECT_EQ(pango_font_description_get_size(font.get()), static_cast<int>(size * PANGO_SCALE));
    }
  }
}

// Kai lacks "￣", Liberation Sans the Chinese characters, Noto Sans CJK TC nothing here:
// every run is drawn in the font the name as asked gives it.
TEST(PrinterFontMap, ASettledFamilyDrawsEveryCharacterInTheSameFont) {
  const std::string text = "王￣明 Rx 500mg ①→Ωж";
  const GObjectHandle<PangoContext> context(pango_font_map_create_context(printerFontMap()));
  for (const Settling& s : kSettlings) {
    SCOPED_TRACE(s.asked);
    const FontDescription asked = describe(s.asked, s.weight);
    const FontDescription settled(pango_font_description_copy(asked.get()));
    useSettledFamily(context.get(), settled.get());
    const std::vector<std::string> fonts = runFonts(context.get(), asked.get(), text);
    EXPECT_GT(fonts.size(), 1U) << "a fallback font draws part of the text";
    EXPECT_EQ(runFonts(context.get(), settled.get(), text), fonts);
  }
}

TEST(PrinterFontMap, ADescriptionWithoutAFamilyIsLeftAlone) {
  const GObjectHandle<PangoContext> context(pango_font_map_create_context(printerFontMap()));
  const FontDescription font(pango_font_description_new());
  useSettledFamily(context.get(), font.get());
  EXPECT_EQ(pango_font_description_get_family(font.get()), nullptr);
}

}  // namespace
}  // namespace pillora
