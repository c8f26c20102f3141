#include <memory>
#include <variant>

#include "platform/archive/archive_pdf.h"
#include "platform/print/document_targets.h"
#include "platform/print/page_renderer.h"

namespace pillora {

namespace {

// Hands one recorded call to the renderer.
struct Replay {
  PageRenderer& renderer;
  void operator()(const DrawnText& call) const { renderer.text(call.pen, call.text); }
  void operator()(const DrawnLine& call) const {
    renderer.line(call.x1, call.y1, call.x2, call.y2);
  }
  void operator()(const PageBreak& /*call*/) const { renderer.newPage(); }
};

}  // namespace

std::string archivePdf(const RecordedPages& pages, const std::string& title) {
  std::string pdf;
  auto target = std::make_unique<PdfTarget>([&pdf](const std::string& bytes) { pdf = bytes; },
                                            [&title] { return title; });
  PageRenderer renderer(std::move(target), PageOrigin{}, PageCount::Copy);
  for (const DrawCall& call : pages.printed()) {
    std::visit(Replay{renderer}, call);
  }
  renderer.endDoc();
  return pdf;
}

}  // namespace pillora
