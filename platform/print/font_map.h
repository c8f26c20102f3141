#pragma once
// The fonts the printer draws with: the system's fonts under its own fontconfig set-up,
// preceded by the project's file pillora-fonts.conf, which maps the Windows font names of
// the settings ("標楷體", "微軟正黑體") to installed fonts and makes Kai the font of every
// name nothing provides.
//
// The file is looked for in the program folder first (an installed program keeps it beside
// itself, as all its files) and then at the path of the copy in the source tree, compiled
// in, so that programs and tests run from the build tree find it too.
#include <pango/pango.h>

#include "platform/print/fonts_conf.h"

namespace pillora {

// The font map all drawing uses. Built on first use and kept for the whole process; when
// the project's file is nowhere to be found one warning goes to standard error and the
// system's set-up alone is used.
PangoFontMap* printerFontMap();

}  // namespace pillora
