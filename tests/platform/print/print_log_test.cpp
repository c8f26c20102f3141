// The pen printer and the print log's line format.
#include <gtest/gtest.h>

#include <clocale>
#include <fstream>

#include "common/text/errors.h"
#include "print_test_support.h"
#include "tests/support/comma_decimal_locale.h"
#include "tests/support/recording_printer.h"
#include "tests/support/temp_folder.h"

namespace pillora {
namespace {

using Lines = std::vector<std::string>;

TEST(PrintLog, TextLinesCarryPenAndEscapedFields) {
  testing::RecordingPrinter printer;
  PrinterSurface& surface = printer.surface();
  surface.setFontName(u"標楷體");
  surface.setFontSize(14.0F);
  surface.setCurrentX(1417.5F);
  surface.setCurrentY(963.9F);
  surface.print(u"藥袋");
  surface.setFontName(u"My\\Font\t2");
  surface.setFontSize(13.7F);
  surface.setFontBold(true);
  surface.setCurrentX(-283.5F);
  surface.setCurrentY(0.004F);
  surface.print(u"a\tb\\c\r\nd");
  EXPECT_EQ(printer.lines(),
            (Lines{"text\t1417.50\t963.90\t標楷體\t14\t0\t藥袋",
                   "text\t-283.50\t0.00\tMy\\\\Font\\t2\t13.7\t1\ta\\tb\\\\c\\r\\nd"}));
}

TEST(PrintLog, EveryCallIsLoggedAsMadeIncludingEmptyDocuments) {
  testing::RecordingPrinter printer;
  PrinterSurface& surface = printer.surface();
  surface.line(0.125F, 1.0F, 5670.0F, 1700.996F);
  surface.newPage();
  surface.endDoc();
  surface.endDoc();
  EXPECT_EQ(printer.lines(),
            (Lines{"line\t0.12\t1.00\t5670.00\t1701.00", "newpage", "enddoc", "enddoc"}));
}

TEST(PrintLog, PrinterChoiceAndFileWriterAppend) {
  const testing::TempProgramFolder folder;
  const std::string file = folder.file("print.log");
  std::ofstream(file, std::ios::binary) << "earlier run\n";
  {
    PrintLog log(appendingFileWriter(file));
    log.printerChosen(u" Bag Printer 1 ");
    log.endDoc();
  }
  EXPECT_EQ(testing::fileContent(file), "earlier run\nprinter\t Bag Printer 1 \nenddoc\n");
  EXPECT_THROW(appendingFileWriter(folder.file("no/such/folder/print.log")), PrinterError);
}

TEST(PrintLog, NulInATextIsEscapedAndKeepsTheLineEnd) {
  const testing::TempProgramFolder folder;
  const std::string file = folder.file("print.log");
  {
    PrintLog log(appendingFileWriter(file));
    log.text(Pen{}, Text(u"a\0b", 3));
    log.endDoc();
  }
  EXPECT_EQ(testing::fileContent(file), "text\t0.00\t0.00\t標楷體\t12\t0\ta\\0b\nenddoc\n");
}

TEST(PrintLog, ALineThatCannotBeWrittenIsAPrinterError) {
  const PrintLog::Writer write = appendingFileWriter("/dev/full");
  EXPECT_THROW(write("enddoc"), PrinterError);
}

// Coordinates keep their decimal point under a locale whose decimal separator is a comma.
TEST(PrintLog, CoordinatesIgnoreTheLocale) {
  ASSERT_NE(std::setlocale(LC_ALL, testing::kCommaDecimalLocale), nullptr)
      << testing::kCommaDecimalLocale << " is missing (scripts/setup --test generates it)";
  const Lines formatted = {formatTwips(1417.5F), formatTwips(963.9F), formatTwips(16838.0F)};
  std::setlocale(LC_ALL, "C");
  EXPECT_EQ(formatted, (Lines{"1417.50", "963.90", "16838.00"}));
}

}  // namespace
}  // namespace pillora
