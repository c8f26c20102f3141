// The Cairo/Pango renderer: PDFs read back with the poppler tools, PNG pages decoded.
#include <cairo.h>
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "common/text/textfile.h"
#include "platform/print/document_targets.h"
#include "platform/print/font_map.h"
#include "platform/print/graphics_handles.h"
#include "platform/print/pen_printer.h"
#include "print_test_support.h"
#include "tests/support/temp_folder.h"

namespace pillora {
namespace {

using testing::pdfFontNames;
using testing::pdfPageCount;
using testing::PdfWord;
using testing::pdfWords;

// A printer drawing into PDF documents kept as files in a temporary folder.
class PdfPrinter {
 public:
  explicit PdfPrinter(PageOrigin origin = {}) : m_renderer(target(), origin) {}
  PrinterSurface& surface() { return m_printer; }
  const std::vector<std::string>& documents() const { return m_documents; }

  void text(float x, float y, const Text& text, const Text& font = u"標楷體", float size = 12) {
    m_printer.setFontName(font);
    m_printer.setFontSize(size);
    m_printer.setCurrentX(x);
    m_printer.setCurrentY(y);
    m_printer.print(text);
  }

 private:
  void keep(const std::string& pdf) {
    m_documents.push_back(m_folder.file("document" + std::to_string(m_documents.size()) + ".pdf"));
    std::ofstream(m_documents.back(), std::ios::binary) << pdf;
  }

  std::unique_ptr<DocumentTarget> target() {
    return std::make_unique<PdfTarget>([this](const std::string& pdf) { keep(pdf); },
                                       [] { return std::string("renderer test"); });
  }

  testing::TempProgramFolder m_folder;
  std::vector<std::string> m_documents;
  PageRenderer m_renderer;
  PenPrinter m_printer{{&m_renderer}};
};

// The word of that text; a failure when there is none.
const PdfWord& wordOf(const std::vector<PdfWord>& words, const std::string& text) {
  for (const PdfWord& word : words) {
    if (word.text == text) {
      return word;
    }
  }
  ADD_FAILURE() << "no word " << text;
  static const PdfWord none;
  return none;
}

TEST(PdfRendering, TextSitsWithItsTopLeftCornerAtThePenInKai) {
  PdfPrinter printer;
  printer.text(1417.5F, 963.9F, u"藥袋測試", u"標楷體", 14);
  printer.text(283.5F, 283.5F, u"Rx12345", u"標楷體", 9.5F);
  printer.text(6000, 15000, u"一日三次", u"標楷體", 20);
  printer.text(2000, 8000, u"第一行\n第二行", u"標楷體", 12);
  printer.surface().endDoc();

  ASSERT_EQ(printer.documents().size(), 1U);
  const std::string& pdf = printer.documents()[0];
  const std::vector<PdfWord> words = pdfWords(pdf);
  EXPECT_EQ(words.size(), 5U);
  const std::vector<PdfWord> expected = {{1, 70.875, 48.195, "藥袋測試"},
                                         {1, 14.175, 14.175, "Rx12345"},
                                         {1, 300, 750, "一日三次"},
                                         {1, 100, 400, "第一行"}};
  for (const PdfWord& e : expected) {
    EXPECT_NEAR(wordOf(words, e.text).x, e.x, 0.5) << e.text;
    EXPECT_NEAR(wordOf(words, e.text).y, e.y, 0.5) << e.text;
  }
  // A line break is shown, not obeyed: the rest stays on the same line.
  EXPECT_NEAR(wordOf(words, "第二行").y, 400, 0.5);
  EXPECT_GT(wordOf(words, "第二行").x, 136);
  EXPECT_EQ(pdfFontNames(pdf), "UKaiTW\n");
}

// The words of a PDF's first line whose top is at y points.
std::vector<PdfWord> wordsAt(const std::vector<PdfWord>& words, double y) {
  std::vector<PdfWord> found;
  for (const PdfWord& word : words) {
    if (std::abs(word.y - y) < 1.0) found.push_back(word);
  }
  return found;
}

// A text that would cross the right edge of the printable area is drawn condensed (down to
// 70 % of its width) so that it ends inside; texts that fit are drawn as they are; a text
// that cannot fit even so is drawn as it is and named in a warning.
TEST(PdfRendering, TextPastTheRightEdgeIsCondensedToEndInsideThePrintableArea) {
  for (const double rightMargin : {0.0, 18.0}) {
    SCOPED_TRACE(rightMargin);
    const double edge = kPageWidthPoints - rightMargin;
    PdfPrinter printer(PageOrigin{0.0, 0.0, rightMargin});
    const Text usage = u"飯後口服 每日三次 總量：21";  // about 160 points at 12 points
    ::testing::internal::CaptureStderr();
    printer.text(static_cast<float>((edge - 130) * 20), 1000, usage);
    printer.text(1000, 3000, usage);
    printer.text(static_cast<float>((edge - 40) * 20), 5000, u"這一行太長放不下");  // off the page
    printer.surface().endDoc();
    const std::string warnings = ::testing::internal::GetCapturedStderr();

    ASSERT_EQ(printer.documents().size(), 1U);
    const std::vector<PdfWord> words = pdfWords(printer.documents()[0]);
    const std::vector<PdfWord> fitted = wordsAt(words, 50);
    const std::vector<PdfWord> asIs = wordsAt(words, 150);
    ASSERT_EQ(fitted.size(), 3U);
    ASSERT_EQ(asIs.size(), 3U);
    EXPECT_NEAR(fitted.front().x, edge - 130, 0.5);
    EXPECT_LE(fitted.back().right, edge + 0.01);
    EXPECT_EQ(fitted.back().text, "總量：21");
    const double asIsWidth = asIs.back().right - asIs.front().x;
    EXPECT_GT(asIsWidth, 140);
    EXPECT_NEAR(asIs.front().x, 50, 0.5);
    EXPECT_EQ(warnings,
              "pillora: the text \"這一行太長放不下\" runs past the right edge of the printable "
              "area even condensed to 70 %; it is drawn as it is\n");
  }
}

// The family of the font the printer's font map picks for a font name.
std::string familyFor(const Text& name) {
  const GObjectHandle<PangoContext> context(pango_font_map_create_context(printerFontMap()));
  const FontDescription wanted(pango_font_description_new());
  pango_font_description_set_family(wanted.get(), toUtf8(name).c_str());
  pango_font_description_set_absolute_size(wanted.get(), 12 * PANGO_SCALE);
  const GObjectHandle<PangoFont> font(
      pango_font_map_load_font(printerFontMap(), context.get(), wanted.get()));
  const FontDescription picked(pango_font_describe(font.get()));
  return pango_font_description_get_family(picked.get());
}

TEST(PdfRendering, FontNamesMapToInstalledFontsAndUnknownNamesToKai) {
  EXPECT_EQ(familyFor(u"標楷體"), "AR PL UKai TW");
  EXPECT_EQ(familyFor(u"微軟正黑體"), "Noto Sans CJK TC");
  EXPECT_EQ(familyFor(u"No Such Font"), "AR PL UKai TW");
  EXPECT_EQ(familyFor(u""), "AR PL UKai TW");
  EXPECT_EQ(familyFor(u"Noto Serif CJK TC"), "Noto Serif CJK TC") << "installed fonts stay";

  PdfPrinter printer;
  printer.text(1000, 1000, u"服用方法", u"No Such Font");
  printer.surface().endDoc();
  ASSERT_EQ(printer.documents().size(), 1U);
  EXPECT_EQ(pdfFontNames(printer.documents()[0]), "UKaiTW\n");
}

// "￣" (FULLWIDTH MACRON, in code page 950) is the one Big5 character Kai lacks: the
// text's font set draws it in the next font that has it, whichever name the text asks for.
TEST(PdfRendering, ACharacterTheFirstFontLacksIsDrawnInTheNextFontThatHasIt) {
  struct Case {
    Text font;
    std::string fonts;
  };
  const std::vector<Case> cases = {
      {u"標楷體", "NotoSansCJKjp-Regular\nUKaiTW\n"},
      {u"No Such Font", "NotoSansCJKjp-Regular\nUKaiTW\n"},
      {u"微軟正黑體", "NotoSansCJKtc-Regular\n"},
      {u"Liberation Sans", "LiberationSans\nNotoSansCJKjp-Regular\nUKaiTW\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(toUtf8(c.font));
    PdfPrinter printer;
    printer.text(1000, 1000, u"王￣明 Rx", c.font);
    printer.surface().endDoc();
    ASSERT_EQ(printer.documents().size(), 1U);
    EXPECT_EQ(pdfFontNames(printer.documents()[0]), c.fonts);
    std::string shown;
    for (const PdfWord& word : pdfWords(printer.documents()[0])) {
      shown += word.text;
    }
    EXPECT_EQ(shown, "王￣明Rx");
  }
}

TEST(PdfRendering, DocumentsBeginWithDrawingAndPageBreaksWaitForIt) {
  PdfPrinter printer;
  printer.surface().newPage();  // nothing drawn yet: no document, no sheet
  printer.surface().endDoc();
  EXPECT_TRUE(printer.documents().empty());

  printer.text(1000, 1000, u"第一頁");
  printer.surface().newPage();
  printer.surface().line(500, 2000, 3000, 2000);
  printer.surface().newPage();
  printer.surface().endDoc();  // the trailing page break leaves no blank sheet
  printer.surface().endDoc();  // nothing drawn since: nothing made

  printer.text(1000, 1000, u"第一頁");
  printer.surface().newPage();
  printer.surface().newPage();
  printer.text(1000, 1000, u"第三頁");
  printer.surface().endDoc();

  ASSERT_EQ(printer.documents().size(), 2U);
  EXPECT_EQ(pdfPageCount(printer.documents()[0]), 2);
  EXPECT_EQ(pdfPageCount(printer.documents()[1]), 3) << "two breaks in a row leave a blank sheet";
  const std::vector<PdfWord> words = pdfWords(printer.documents()[1]);
  ASSERT_EQ(words.size(), 2U);
  EXPECT_EQ(words[1].page, 3);
}

// A PNG page read back.
class Image {
 public:
  explicit Image(const std::string& pngFile)
      : m_surface(cairo_image_surface_create_from_png(pngFile.c_str())) {}
  ~Image() { cairo_surface_destroy(m_surface); }
  Image(const Image&) = delete;
  Image& operator=(const Image&) = delete;

  bool valid() const { return cairo_surface_status(m_surface) == CAIRO_STATUS_SUCCESS; }
  int width() const { return cairo_image_surface_get_width(m_surface); }
  int height() const { return cairo_image_surface_get_height(m_surface); }
  bool dark(int x, int y) const {
    const unsigned char* pixel =
        cairo_image_surface_get_data(m_surface) +
        static_cast<std::ptrdiff_t>(y) * cairo_image_surface_get_stride(m_surface) +
        static_cast<std::ptrdiff_t>(x) * 4;
    return pixel[0] < 128 && pixel[1] < 128 && pixel[2] < 128;
  }

 private:
  cairo_surface_t* m_surface;
};

TEST(PngRendering, OneImagePerPageAtOneHundredFiftyDotsPerInch) {
  const testing::TempProgramFolder folder;
  std::vector<std::size_t> pageCounts;
  PageRenderer renderer(std::make_unique<PngTarget>([&](const std::vector<std::string>& pages) {
    for (std::size_t i = 0; i < pages.size(); ++i) {
      std::ofstream(
          folder.file(std::to_string(pageCounts.size()) + "-" + std::to_string(i) + ".png"),
          std::ios::binary)
          << pages[i];
    }
    pageCounts.push_back(pages.size());
  }));
  PenPrinter printer({&renderer});
  printer.line(1440, 1440, 2880, 1440);  // one inch to two inches across, one inch down
  printer.newPage();
  printer.print(u"第二頁");
  printer.newPage();
  printer.endDoc();
  printer.print(u"下一份");
  printer.endDoc();

  EXPECT_EQ(pageCounts, (std::vector<std::size_t>{2, 1}));
  // A page of black print is one 8-bit grey channel (IHDR: bit depth, then colour type 0).
  const std::string bytes = readFileBytes(folder.file("0-0.png"));
  ASSERT_GT(bytes.size(), 26U);
  EXPECT_EQ(bytes.substr(12, 4), "IHDR");
  EXPECT_EQ(bytes[24], 8);
  EXPECT_EQ(bytes[25], 0);
  const Image first(folder.file("0-0.png"));
  ASSERT_TRUE(first.valid());
  EXPECT_EQ(first.width(), 1240);
  EXPECT_EQ(first.height(), 1754);
  EXPECT_TRUE(first.dark(225, 150));
  EXPECT_FALSE(first.dark(225, 160));
  EXPECT_FALSE(first.dark(100, 150));
}

}  // namespace
}  // namespace pillora
