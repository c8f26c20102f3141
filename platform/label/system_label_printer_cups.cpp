// Label jobs to CUPS raw queues, or to files with label pictures.
#include "platform/files/files.h"
#include "platform/label/cups_label_queue.h"
#include "platform/label/system_label_printer.h"

#include <cairo.h>

#include <cstdint>

#include "common/log/run_record.h"
#include "common/text/errors.h"
#include "platform/print/graphics_handles.h"

namespace pillora {

namespace {

constexpr const char* kRawFormat = "application/vnd.cups-raw";
constexpr std::uint32_t kLight = 0xFFFFFFU;
constexpr std::uint32_t kDark = 0x000000U;

cairo_status_t appendPngBytes(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

}  // namespace

void SystemLabelPrinter::deliver(const LabelJob& job) {
  if (const auto queue = labelQueueOf(cupsQueues(), job.printerName)) {
    currentRun().set("printer", fromUtf8(*queue));
    sendDocumentToCups(*queue, m_files.jobTitle(), job.tspl, kRawFormat);
    return;
  }
  std::vector<DocumentFile> files{{".tspl", job.tspl}};
  for (std::size_t i = 0; i < job.labels.size(); ++i) {
    if (job.labels[i].width > 0) {
      files.push_back({"-label" + std::to_string(i + 1) + ".png", labelPng(job.labels[i])});
    }
  }
  m_files.writeNewDocument(files);
}

std::optional<std::string> labelQueueOf(const std::vector<CupsQueue>& queues,
                                        const Text& printerName) {
  const Text name = trimBlanks(printerName);
  for (const CupsQueue& queue : queues) {
    if (equalsIgnoreCase(queue.entry.queueName, name)) {
      return toUtf8(queue.entry.queueName);
    }
  }
  for (const CupsQueue& queue : queues) {
    if (queue.entry.deviceName == name) {
      return toUtf8(queue.entry.queueName);
    }
  }
  return std::nullopt;
}

std::string labelPng(const MonoBitmap& label) {
  const CairoSurface surface(
      cairo_image_surface_create(CAIRO_FORMAT_RGB24, label.width, label.height));
  cairo_surface_flush(surface.get());
  unsigned char* data = cairo_image_surface_get_data(surface.get());
  const int stride = cairo_image_surface_get_stride(surface.get());
  if (data == nullptr) {
    throw PrinterError("cannot make the label picture");
  }
  for (int y = 0; y < label.height; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
    for (int x = 0; x < label.width; ++x) {
      row[x] = label.dark(x, y) ? kDark : kLight;
    }
  }
  cairo_surface_mark_dirty(surface.get());
  std::string png;
  if (cairo_surface_write_to_png_stream(surface.get(), appendPngBytes, &png) !=
      CAIRO_STATUS_SUCCESS) {
    throw PrinterError("cannot make the label picture");
  }
  return png;
}

}  // namespace pillora
