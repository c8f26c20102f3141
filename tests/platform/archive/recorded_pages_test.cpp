// What the archive keeps of a printer's documents: exactly the calls of the documents the
// printer printed, joined so that each begins on a sheet of its own.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/text/errors.h"
#include "platform/archive/recorded_pages.h"
#include "tests/support/recording_printer.h"

namespace pillora {
namespace {

// The kept calls, as print-log lines.
std::vector<std::string> keptLines(const RecordedPages& pages) {
  testing::RecordingPrinter replay;
  for (const DrawCall& call : pages.printed()) {
    if (const auto* text = std::get_if<DrawnText>(&call)) {
      replay.surface().setFontName(text->pen.fontName);
      replay.surface().setFontSize(text->pen.fontSize);
      replay.surface().setFontBold(text->pen.bold);
      replay.surface().setCurrentX(text->pen.x);
      replay.surface().setCurrentY(text->pen.y);
      replay.surface().print(text->text);
    } else if (const auto* line = std::get_if<DrawnLine>(&call)) {
      replay.surface().line(line->x1, line->y1, line->x2, line->y2);
    } else {
      replay.surface().newPage();
    }
  }
  return replay.lines();
}

void drawPage(PrinterSurface& surface, const Text& text) {
  surface.setFontSize(14.0F);
  surface.setCurrentX(100.0F);
  surface.setCurrentY(200.0F);
  surface.print(text);
  surface.line(1.0F, 2.0F, 3.0F, 4.0F);
}

// A printer's output that fails on the text "refused", as a full disk fails a document.
class RefusingSink : public PageSink {
 public:
  void text(const Pen& /*pen*/, const Text& text) override {
    if (text == u"refused") throw PrinterError("disk full");
  }
  void line(float /*x1*/, float /*y1*/, float /*x2*/, float /*y2*/) override {}
  void newPage() override {}
  void endDoc() override {}
  void dropDoc() override {}
};

TEST(RecordedPagesTest, KeepsTheCallsOfPrintedDocumentsOnly) {
  std::vector<std::string> printed;
  PrintLog log([&printed](const std::string& line) { printed.push_back(line); });
  RefusingSink output;
  PenPrinter printer({&log, &output});
  RecordedPages pages;
  RecordingSurface surface(printer, pages);

  drawPage(surface, u"first");
  surface.newPage();
  drawPage(surface, u"second");
  surface.endDoc();
  const std::vector<std::string> firstDocument(printed.begin(), printed.end() - 1);  // no enddoc
  drawPage(surface, u"refused");
  EXPECT_THROW(surface.endDoc(), PrinterError);
  drawPage(surface, u"never ended");

  EXPECT_EQ(keptLines(pages), firstDocument);
  EXPECT_EQ(firstDocument.size(), 5U);
}

TEST(RecordedPagesTest, EachDocumentBeginsOnASheetOfItsOwn) {
  struct Case {
    const char* name;
    bool firstEndsWithBreak;
    bool secondBeginsWithBreak;
  };
  for (const Case& c : {Case{"plain", false, false}, Case{"trailing break", true, false},
                        Case{"leading break", false, true}}) {
    SCOPED_TRACE(c.name);
    testing::RecordingPrinter printer;
    RecordedPages pages;
    RecordingSurface surface(printer.surface(), pages);
    drawPage(surface, u"one");
    if (c.firstEndsWithBreak) surface.newPage();
    surface.endDoc();
    if (c.secondBeginsWithBreak) surface.newPage();
    drawPage(surface, u"two");
    surface.endDoc();
    surface.endDoc();  // an empty document adds nothing
    const std::vector<std::string> kept = keptLines(pages);
    ASSERT_EQ(kept.size(), 5U);
    EXPECT_EQ(kept[2], "newpage");
    EXPECT_EQ(kept.back(), "line\t1.00\t2.00\t3.00\t4.00");
  }
}

}  // namespace
}  // namespace pillora
