// Label text drawn with GDI into a 1-bit DIB section: GDI draws there without smoothing, so
// each dot is dark or light as the printer prints it.
#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>
#include <type_traits>

#include "common/text/errors.h"
#include "platform/files/wide_text.h"
#include "platform/label/text_bitmap.h"
#include "platform/print/gdi_objects.h"

namespace pillora {

namespace {

struct DcCloser {
  void operator()(HDC dc) const { DeleteDC(dc); }
};
using MemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, DcCloser>;

GdiObject fontOf(const LabelFont& font) {
  // The em height, as the Pango drawing takes it.
  LOGFONTW logical = logicalFont(font.faceName, -font.heightDots, font.bold);
  logical.lfItalic = font.italic ? TRUE : FALSE;
  logical.lfUnderline = font.underline ? TRUE : FALSE;
  logical.lfQuality = NONANTIALIASED_QUALITY;
  GdiObject object(CreateFontIndirectW(&logical));
  if (!object) throw PrinterError("cannot make the label font " + toUtf8(font.faceName));
  return object;
}

// A white top-down 1-bit bitmap: palette entry 0 black, 1 white.
struct MonoDib {
  GdiObject bitmap;
  const std::uint8_t* bits = nullptr;
  int stride = 0;
};

MonoDib monoDib(HDC dc, int width, int height) {
  struct {
    BITMAPINFOHEADER header;
    std::array<RGBQUAD, 2> colours;
  } info{};
  info.header.biSize = sizeof info.header;
  info.header.biWidth = width;
  info.header.biHeight = -height;
  info.header.biPlanes = 1;
  info.header.biBitCount = 1;
  info.header.biCompression = BI_RGB;
  info.colours[1] = {255, 255, 255, 0};
  void* bits = nullptr;
  GdiObject bitmap(CreateDIBSection(dc, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits,
                                    nullptr, 0));
  if (!bitmap || bits == nullptr) throw PrinterError("cannot make the label bitmap");
  return {std::move(bitmap), static_cast<const std::uint8_t*>(bits), ((width + 31) / 32) * 4};
}

MonoBitmap dotsOf(const MonoDib& dib, int width, int height) {
  MonoBitmap bitmap{width, height, {}};
  bitmap.dots.reserve(static_cast<std::size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* row = dib.bits + static_cast<std::ptrdiff_t>(y) * dib.stride;
    for (int x = 0; x < width; ++x) {
      const bool white = (row[x / 8] >> (7 - x % 8) & 1) != 0;
      bitmap.dots.push_back(white ? 0 : 1);
    }
  }
  return bitmap;
}

}  // namespace

MonoBitmap drawText(const LabelFont& font, const Text& text) {
  checkLabelFontHeight(font.heightDots);
  if (text.empty()) return {};
  const MemoryDc dc(CreateCompatibleDC(nullptr));
  if (!dc) throw PrinterError("cannot draw label text");
  const GdiObject gdiFont = fontOf(font);
  const Selection fontSelection(dc.get(), gdiFont.get());
  const std::wstring wide = wideOf(text);
  SIZE size{};
  if (GetTextExtentPoint32W(dc.get(), wide.c_str(), static_cast<int>(wide.size()), &size) == 0 ||
      size.cx == 0 || size.cy == 0) {
    return {};
  }
  checkLabelTextSize(size.cx, size.cy, text);
  const MonoDib dib = monoDib(dc.get(), size.cx, size.cy);
  const Selection bitmapSelection(dc.get(), dib.bitmap.get());
  PatBlt(dc.get(), 0, 0, size.cx, size.cy, WHITENESS);
  SetTextColor(dc.get(), RGB(0, 0, 0));
  SetBkMode(dc.get(), TRANSPARENT);
  TextOutW(dc.get(), 0, 0, wide.c_str(), static_cast<int>(wide.size()));
  GdiFlush();
  return dotsOf(dib, size.cx, size.cy);
}

}  // namespace pillora
