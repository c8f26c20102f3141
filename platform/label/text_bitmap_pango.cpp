// Label text drawn with Pango through the project's font map.
#include "platform/label/text_bitmap.h"

#include <pango/pangocairo.h>

#include <string>

#include "common/text/errors.h"
#include "platform/print/font_map.h"
#include "platform/print/graphics_handles.h"

namespace pillora {

namespace {

constexpr unsigned char kHalfCovered = 128;

FontDescription descriptionOf(const LabelFont& font) {
  FontDescription description(pango_font_description_new());
  pango_font_description_set_family(description.get(), toUtf8(font.faceName).c_str());
  pango_font_description_set_absolute_size(description.get(), font.heightDots * PANGO_SCALE);
  pango_font_description_set_style(description.get(),
                                   font.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
  pango_font_description_set_weight(description.get(),
                                    font.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
  return description;
}

GObjectHandle<PangoLayout> layoutOf(PangoContext* context, const LabelFont& font,
                                    const Text& text) {
  GObjectHandle<PangoLayout> layout(pango_layout_new(context));
  pango_layout_set_single_paragraph_mode(layout.get(), TRUE);
  pango_layout_set_font_description(layout.get(), descriptionOf(font).get());
  if (font.underline) {
    PangoAttrList* attributes = pango_attr_list_new();
    pango_attr_list_insert(attributes, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
    pango_layout_set_attributes(layout.get(), attributes);
    pango_attr_list_unref(attributes);
  }
  const std::string utf8 = toUtf8(text);
  pango_layout_set_text(layout.get(), utf8.data(), static_cast<int>(utf8.size()));
  return layout;
}

// The coverage of the drawn text, one byte per dot, thresholded to dark and light.
MonoBitmap threshold(cairo_surface_t* surface, int width, int height) {
  cairo_surface_flush(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  MonoBitmap bitmap{width, height, {}};
  bitmap.dots.reserve(static_cast<std::size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      bitmap.dots.push_back(data[static_cast<std::size_t>(y) * stride + x] >= kHalfCovered ? 1 : 0);
    }
  }
  return bitmap;
}

}  // namespace

MonoBitmap drawText(const LabelFont& font, const Text& text) {
  checkLabelFontHeight(font.heightDots);
  const GObjectHandle<PangoContext> context(pango_font_map_create_context(printerFontMap()));
  const GObjectHandle<PangoLayout> layout = layoutOf(context.get(), font, text);
  int width = 0;
  int height = 0;
  pango_layout_get_pixel_size(layout.get(), &width, &height);
  if (width == 0 || height == 0) {
    return {};
  }
  checkLabelTextSize(width, height, text);
  const CairoSurface surface(cairo_image_surface_create(CAIRO_FORMAT_A8, width, height));
  const CairoContext cr(cairo_create(surface.get()));
  pango_cairo_update_context(cr.get(), context.get());
  pango_layout_context_changed(layout.get());
  pango_cairo_show_layout(cr.get(), layout.get());
  return threshold(surface.get(), width, height);
}

}  // namespace pillora
