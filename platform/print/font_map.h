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

// Puts in the description the family of the font the font map settles on for its name
// when no installed font bears that name (a mapped Windows name such as "標楷體", an
// unknown name); a name some font bears, or a list of names, stays as it is.
//
// Why: Pango measures a font (its line height) under the family the font describes itself
// by, and every new family and size costs a sort of all the system's fonts. A text laid out
// under that same family shares the sort with the measuring. The fonts drawn stay the same:
// the name left out matched no font, so the remaining names rank the fonts as before.
// Each name, weight and style is settled once per process, in the given context.
void useSettledFamily(PangoContext* context, PangoFontDescription* description);

}  // namespace pillora
