#pragma once
// The calibration sheet: one page that shows, from the corner of the printer's printable
// area, a centimetre grid with millimetre ticks along the top and left edges, the page
// offsets in use and where they came from, a labelled frame at the place of each main
// field of the ".ndrg" page (field_frames.h), and, in Chinese and English, how to read the
// distance between a frame and the stock's box and which number of "layout.config" to
// change. Printed on a sheet of bag stock, it tells the offsets the printer needs.
#include "common/print/printer_surface.h"
#include "pillora/calibration/field_frames.h"

namespace pillora {

// Draws the sheet and ends its document.
void printCalibrationSheet(PrinterSurface& surface, const PageFrames& frames);

}  // namespace pillora
