#include "platform/print/grey_png.h"

#include <png.h>

#include <vector>

#include "common/text/errors.h"

namespace pillora {

namespace {

constexpr unsigned char kWhite = 255;

// The page's grey values, row after row without padding: white less the ink's coverage.
std::vector<unsigned char> greyOfCoverage(cairo_surface_t* coverage, int width, int height) {
  const int stride = cairo_image_surface_get_stride(coverage);
  const unsigned char* data = cairo_image_surface_get_data(coverage);
  std::vector<unsigned char> grey(static_cast<std::size_t>(width) * height);
  auto out = grey.begin();
  for (int y = 0; y < height; ++y) {
    const unsigned char* row = data + static_cast<std::ptrdiff_t>(y) * stride;
    for (int x = 0; x < width; ++x) *out++ = static_cast<unsigned char>(kWhite - row[x]);
  }
  return grey;
}

[[noreturn]] void encodingFailed(const png_image& image) {
  throw PrinterError(std::string("cannot encode the page as PNG: ") + image.message);
}

}  // namespace

std::string greyPngOfCoverage(cairo_surface_t* coverage) {
  cairo_surface_flush(coverage);
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(cairo_image_surface_get_width(coverage));
  image.height = static_cast<png_uint_32>(cairo_image_surface_get_height(coverage));
  image.format = PNG_FORMAT_GRAY;
  image.flags = PNG_IMAGE_FLAG_FAST;  // speed before size
  const std::vector<unsigned char> grey =
      greyOfCoverage(coverage, static_cast<int>(image.width), static_cast<int>(image.height));
  png_alloc_size_t size = 0;
  if (png_image_write_to_memory(&image, nullptr, &size, 0, grey.data(), 0, nullptr) == 0) {
    encodingFailed(image);
  }
  std::string png(size, '\0');
  if (png_image_write_to_memory(&image, png.data(), &size, 0, grey.data(), 0, nullptr) == 0) {
    encodingFailed(image);
  }
  png.resize(size);
  return png;
}

}  // namespace pillora
