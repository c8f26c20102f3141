#include "platform/print/page_renderer.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <iostream>
#include <optional>
#include <string>

#include "common/text/log_field.h"
#include "common/text/text.h"
#include "platform/print/font_map.h"
#include "platform/print/graphics_handles.h"

namespace pillora {

namespace {

constexpr double kLineWidthPoints = 0.5;
// A size the font machinery can draw: from one point up to beyond any sheet.
constexpr double kSmallestFontPoints = 1.0;
constexpr double kLargestFontPoints = 1000.0;
// How far a text that would cross the printable area's right edge may be condensed.
constexpr double kNarrowestScale = 0.7;

double points(float twips) {
  return static_cast<double>(twips) / static_cast<double>(kTwipsPerPoint);
}

FontDescription fontOf(const Pen& pen) {
  FontDescription font(pango_font_description_new());
  pango_font_description_set_family(font.get(), toUtf8(pen.fontName).c_str());
  const double size =
      std::clamp(static_cast<double>(pen.fontSize), kSmallestFontPoints, kLargestFontPoints);
  pango_font_description_set_absolute_size(font.get(), size * PANGO_SCALE);
  pango_font_description_set_weight(font.get(), pen.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
  return font;
}

// One line of text: line breaks in it are shown, not obeyed.
GObjectHandle<PangoLayout> layoutOf(PangoContext* context, cairo_t* cr, const Pen& pen,
                                    const Text& text) {
  pango_cairo_update_context(cr, context);
  GObjectHandle<PangoLayout> layout(pango_layout_new(context));
  pango_layout_set_single_paragraph_mode(layout.get(), TRUE);
  const FontDescription font = fontOf(pen);
  useSettledFamily(context, font.get());
  pango_layout_set_font_description(layout.get(), font.get());
  const std::string utf8 = toUtf8(text);
  pango_layout_set_text(layout.get(), utf8.data(), static_cast<int>(utf8.size()));
  return layout;
}

// The width of a laid-out line, in points.
double widthOf(PangoLayout* layout) {
  PangoRectangle logical{};
  pango_layout_get_extents(layout, nullptr, &logical);
  return static_cast<double>(logical.x + logical.width) / PANGO_SCALE;
}

// How much a line starting at x must be condensed to end by the edge: 1 when it fits, none
// when it cannot fit even at the narrowest scale.
std::optional<double> fittingScale(double x, double width, double edge) {
  if (x + width <= edge) {
    return 1.0;
  }
  const double scale = (edge - x) / width;
  return scale >= kNarrowestScale ? std::optional<double>(scale) : std::nullopt;
}

// A line drawn at (x, y) scaled across by `scale`.
void showCondensed(cairo_t* cr, PangoLayout* layout, double x, double y, double scale) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, scale, 1.0);
  cairo_move_to(cr, 0.0, 0.0);
  pango_cairo_show_layout(cr, layout);
  cairo_restore(cr);
}

}  // namespace

PangoContext* PageRenderer::texts() {
  if (!m_texts) {
    m_texts.reset(pango_font_map_create_context(printerFontMap()));
    pango_context_set_round_glyph_positions(m_texts.get(), FALSE);
  }
  return m_texts.get();
}

cairo_t* PageRenderer::page() {
  m_pages.draw();
  return m_page;
}

void PageRenderer::beginPage() {
  m_page = m_target->beginPage();
}

void PageRenderer::endPage() {
  m_page = nullptr;
  m_target->endPage();
}

void PageRenderer::endDocument() {
  m_page = nullptr;
  m_target->endDocument();
}

void PageRenderer::text(const Pen& pen, const Text& text) {
  cairo_t* cr = page();
  const GObjectHandle<PangoLayout> layout = layoutOf(texts(), cr, pen, text);
  const double x = m_origin.x + points(pen.x);
  const std::optional<double> scale =
      fittingScale(x, widthOf(layout.get()), kPageWidthPoints - m_origin.right);
  if (!scale) {
    std::cerr << "pillora: the text \"" << escapeLogField(text)
              << "\" runs past the right edge of the printable area even condensed to 70 %; "
                 "it is drawn as it is\n";
  }
  const double y = m_origin.y + points(pen.y);
  if (scale && *scale < 1.0) {
    showCondensed(cr, layout.get(), x, y, *scale);
  } else {
    cairo_move_to(cr, x, y);
    pango_cairo_show_layout(cr, layout.get());
  }
}

void PageRenderer::line(float x1, float y1, float x2, float y2) {
  cairo_t* cr = page();
  cairo_set_line_width(cr, kLineWidthPoints);
  cairo_move_to(cr, m_origin.x + points(x1), m_origin.y + points(y1));
  cairo_line_to(cr, m_origin.x + points(x2), m_origin.y + points(y2));
  cairo_stroke(cr);
}

void PageRenderer::newPage() {
  m_pages.newPage();
}

void PageRenderer::endDoc() {
  m_pages.endDoc();
}

void PageRenderer::dropDoc() {
  m_page = nullptr;
  m_pages.drop();
  m_target->discardDocument();
}

}  // namespace pillora
