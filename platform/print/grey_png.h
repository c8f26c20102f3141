#pragma once
// A page of black print as a PNG: one 8-bit grey channel, compressed for speed. A page of
// text needs neither colour nor the smallest file: the encoder's time is most of a picture's.
#include <cairo.h>

#include <string>

namespace pillora {

// The PNG bytes of an alpha-only (CAIRO_FORMAT_A8) page: coverage 0 is white paper, full
// coverage black. PrinterError when the picture cannot be encoded.
std::string greyPngOfCoverage(cairo_surface_t* coverage);

}  // namespace pillora
