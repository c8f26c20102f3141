// The Windows printers: the list as Windows gives it, and the failures of a printer that
// cannot be reached.
#include "platform/print/gdi_printers.h"

#include <gtest/gtest.h>

#include "common/text/errors.h"
#include "platform/print/gdi_document.h"
#include "platform/print/pen_printer.h"
#include "print_test_support.h"
#include "tests/support/scoped_environment.h"
#include "tests/support/temp_folder.h"

namespace pillora {
namespace {

TEST(GdiPrinters, ListWhatWindowsListsAndRefuseOtherNumbers) {
  const testing::TempProgramFolder folder;
  const testing::ScopedEnvironment log("PILLORA_PRINT_LOG", folder.file("print.log"));
  GdiPrinters printers;
  const std::vector<Text> names = windowsPrinterNames();
  ASSERT_EQ(printers.list().size(), names.size());
  for (std::size_t i = 0; i < names.size(); ++i) {
    EXPECT_EQ(printers.list()[i].deviceName, names[i]);
  }
  EXPECT_THROW(printers.choose(names.size()), SubscriptError);
  EXPECT_EQ(testing::fileContent(folder.file("print.log")), "");
}

TEST(GdiDocument, APrinterThatCannotBeReachedFailsEveryDocumentAlike) {
  GdiDocument document(L"No Such Printer 藥袋", [] { return std::wstring(L"A1.ndrg"); });
  PenPrinter printer({&document});
  for (int run = 0; run < 2; ++run) {
    printer.print(u"王小明");
    printer.line(0, 0, 100, 100);  // the failed document draws nothing more
    try {
      printer.endDoc();
      ADD_FAILURE() << "a document ended as if printed";
    } catch (const PrinterError& error) {
      EXPECT_NE(
          std::string(error.what()).find("CreateDCW failed on the printer No Such Printer 藥袋"),
          std::string::npos)
          << error.what();
    }
  }
}

TEST(GdiDocument, NoPrinterAtAllIsNamedAsSuch) {
  GdiDocument document(L"", [] { return std::wstring(L"A1.ndrg"); });
  EXPECT_THROW(document.text(Pen{}, u"藥袋"), PrinterError);
  document.endDoc();  // nothing was begun: nothing to end
}

}  // namespace
}  // namespace pillora
