// A document that fails half-way: nothing of it is printed, the caller may go on drawing
// without harm, the end of the document reports the first failure, and the next document
// prints as usual. (Files that cannot be written: print_failures_e2e.sh.)
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/text/errors.h"
#include "platform/print/document_targets.h"
#include "platform/print/pen_printer.h"
#include "print_test_support.h"
#include "tests/support/scratch_folder.h"

namespace pillora {
namespace {

// Hands every call on to a real target but refuses to begin the page of one number
// (counted from 1 over all documents).
class FailingTarget : public DocumentTarget {
 public:
  FailingTarget(std::unique_ptr<DocumentTarget> next, int failingPage)
      : m_next(std::move(next)), m_failingPage(failingPage) {}

  cairo_t* beginPage() override {
    if (++m_pages == m_failingPage) {
      throw PrinterError("page " + std::to_string(m_pages) + " cannot be made");
    }
    return m_next->beginPage();
  }
  void endPage() override { m_next->endPage(); }
  void endDocument() override { m_next->endDocument(); }
  void discardDocument() override { m_next->discardDocument(); }

 private:
  std::unique_ptr<DocumentTarget> m_next;
  int m_failingPage;
  int m_pages = 0;
};

// The page count of every document a target handed on.
using Delivered = std::vector<std::size_t>;
using TargetMaker = std::function<std::unique_ptr<DocumentTarget>(Delivered&)>;

std::unique_ptr<DocumentTarget> pdfCounting(Delivered& delivered) {
  return std::make_unique<PdfTarget>(
      [&](const std::string& pdf) {
        const testing::ScratchFolder folder;
        const int pages = testing::pdfPageCount(folder.write("document.pdf", pdf));
        delivered.push_back(static_cast<std::size_t>(pages));
      },
      [] { return std::string("failing"); });
}

std::unique_ptr<DocumentTarget> pngCounting(Delivered& delivered) {
  return std::make_unique<PngTarget>(
      [&](const std::vector<std::string>& pages) { delivered.push_back(pages.size()); });
}

void drawThreePages(PrinterSurface& printer) {
  for (int page = 1; page <= 3; ++page) {
    printer.setCurrentX(1134);
    printer.setCurrentY(1134);
    printer.print(u"第" + fromUtf8(std::to_string(page)) + u"頁");
    printer.line(567, 2000, 5670, 2000);
    printer.newPage();
  }
}

TEST(DocumentFailure, AFailedPageDropsItsDocumentAndTheEndReportsIt) {
  struct Row {
    const char* printer;
    TargetMaker target;
    int failingPage;
  };
  const std::vector<Row> rows = {{"PDF", pdfCounting, 1},
                                 {"PDF", pdfCounting, 3},
                                 {"PNG", pngCounting, 1},
                                 {"PNG", pngCounting, 3}};
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.printer) + ", page " + std::to_string(row.failingPage));
    Delivered delivered;
    PageRenderer renderer(std::make_unique<FailingTarget>(row.target(delivered), row.failingPage));
    PenPrinter printer({&renderer});
    EXPECT_NO_THROW(drawThreePages(printer)) << "the failure waits for the end of the document";
    try {
      printer.endDoc();
      ADD_FAILURE() << "a failed document ended without an error";
    } catch (const PrinterError& error) {
      EXPECT_EQ(std::string(error.what()),
                "page " + std::to_string(row.failingPage) + " cannot be made");
    }
    EXPECT_TRUE(delivered.empty()) << "nothing of the failed document is handed on";

    drawThreePages(printer);
    EXPECT_NO_THROW(printer.endDoc()) << "the next document starts afresh";
    EXPECT_EQ(delivered, Delivered{3});
  }
}

}  // namespace
}  // namespace pillora
