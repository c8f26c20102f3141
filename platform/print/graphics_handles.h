#pragma once
// Owning handles for the Cairo and Pango objects of the renderer.
#include <cairo.h>
#include <glib-object.h>
#include <pango/pango.h>

#include <memory>

namespace pillora {

template <typename T, auto Release>
struct Releaser {
  void operator()(T* object) const { Release(object); }
};

using CairoSurface =
    std::unique_ptr<cairo_surface_t, Releaser<cairo_surface_t, cairo_surface_destroy>>;
using CairoContext = std::unique_ptr<cairo_t, Releaser<cairo_t, cairo_destroy>>;
using FontDescription =
    std::unique_ptr<PangoFontDescription,
                    Releaser<PangoFontDescription, pango_font_description_free>>;

// A GObject (PangoContext, PangoLayout) released with g_object_unref.
template <typename T>
using GObjectHandle = std::unique_ptr<T, Releaser<void, g_object_unref>>;

}  // namespace pillora
