#pragma once
// The GDI side of the programs' drawing (printer pages, label bitmaps, windows): owning
// handles of GDI objects, an object selected into a device context for a while, and the
// logical font of a face name.
#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <type_traits>

#include "common/text/text.h"
#include "platform/files/wide_text.h"

namespace pillora {

struct GdiRelease {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
using GdiObject = std::unique_ptr<std::remove_pointer_t<HGDIOBJ>, GdiRelease>;

// An object selected into a device context while this lives; the earlier one comes back,
// so that the object can be deleted afterwards.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(SelectObject(dc, object)) {}
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;
  ~Selection() { SelectObject(m_dc, m_previous); }

 private:
  HDC m_dc;
  HGDIOBJ m_previous;
};

// The face (cut to what GDI holds) at a height in pixels (negative: the character height),
// bold or not; everything else as GDI chooses by default.
inline LOGFONTW logicalFont(TextView face, LONG height, bool bold) {
  LOGFONTW font{};
  font.lfHeight = height;
  font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  const std::wstring wide = wideOf(left(face, LF_FACESIZE - 1));
  std::copy(wide.begin(), wide.end(), font.lfFaceName);
  return font;
}

}  // namespace pillora
