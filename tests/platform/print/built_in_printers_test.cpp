// The machine's printer list with no print server: the built-in PDF and PNG printers, the
// files they make and the print log beside them.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "common/text/errors.h"
#include "platform/print/system_printers.h"
#include "print_test_support.h"
#include "tests/support/temp_folder.h"

namespace pillora {
namespace {

using Names = std::vector<std::string>;

class BuiltInPrinters : public ::testing::Test {
 protected:
  Names outputFiles() const {
    Names names;
    for (const auto& entry : std::filesystem::directory_iterator(m_folder.path())) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }
  std::string output(const std::string& name) const { return m_folder.file(name); }

  static std::size_t indexOf(Printers& printers, const Text& name) {
    const std::vector<PrinterEntry> entries = printers.list();
    const auto found = std::find_if(entries.begin(), entries.end(),
                                    [&](const PrinterEntry& e) { return e.deviceName == name; });
    return static_cast<std::size_t>(found - entries.begin());
  }

  static void printPage(PrinterSurface& surface, const Text& text) {
    surface.setCurrentX(1134);
    surface.setCurrentY(1134);
    surface.print(text);
  }

  testing::TempProgramFolder m_folder;
  testing::ScopedEnvironment m_server{"CUPS_SERVER", m_folder.file("no-server.sock")};
  testing::ScopedEnvironment m_destination{"LPDEST", std::nullopt};
  testing::ScopedEnvironment m_outputFolder{"PILLORA_OUTPUT_DIR", m_folder.path()};
  testing::ScopedEnvironment m_log{"PILLORA_PRINT_LOG", std::nullopt};
};

TEST_F(BuiltInPrinters, WithoutPrintServerPdfIsTheDefault) {
  SystemPrinters printers;
  const std::vector<PrinterEntry> entries = printers.list();
  ASSERT_EQ(entries.size(), 2U);
  EXPECT_EQ(entries[0].deviceName, u"Pillora PDF");
  EXPECT_EQ(entries[0].queueName, u"Pillora PDF");
  EXPECT_TRUE(entries[0].isDefault);
  EXPECT_EQ(entries[1].deviceName, u"Pillora PNG");
  EXPECT_FALSE(entries[1].isDefault);
  EXPECT_EQ(printers.missingPrinters(),
            "the print server " + output("no-server.sock") + " does not answer");

  printers.setJobName(u"/data/jobs/123.ndrg");
  printPage(printers.current(), u"預設印表機");
  printers.current().endDoc();
  EXPECT_EQ(outputFiles(), (Names{"123.pdf"}));
  EXPECT_EQ(testing::pdfWords(output("123.pdf")).at(0).text, "預設印表機");
  EXPECT_EQ(testing::pdfInfoField(output("123.pdf"), "Title"), "123.ndrg");
  EXPECT_EQ(testing::pdfInfoField(output("123.pdf"), "Creator"),
            "pillora " + std::to_string(PILLORA_VERSION_MAJOR) + "." +
                std::to_string(PILLORA_VERSION_MINOR) + "." +
                std::to_string(PILLORA_VERSION_PATCH));
}

TEST_F(BuiltInPrinters, PdfDocumentsTakeTheNextFreeNameAndNeverOverwrite) {
  std::ofstream(output("123.pdf")) << "an earlier run";
  SystemPrinters printers;
  printers.setJobName(u"C:\\Rimora\\123.ndrg");
  PrinterSurface& surface = printers.current();
  printPage(surface, u"第一份");
  surface.endDoc();
  surface.endDoc();  // nothing drawn since: no file
  printPage(surface, u"第二份");
  surface.newPage();
  surface.endDoc();

  EXPECT_EQ(outputFiles(), (Names{"123-2.pdf", "123-3.pdf", "123.pdf"}));
  EXPECT_EQ(testing::fileContent(output("123.pdf")), "an earlier run");
  EXPECT_EQ(testing::pdfWords(output("123-3.pdf")).at(0).text, "第二份");
  EXPECT_EQ(testing::pdfPageCount(output("123-3.pdf")), 1);
}

TEST_F(BuiltInPrinters, PngPrinterMakesOneFilePerPageAndLogsEveryCall) {
  const testing::ScopedEnvironment log{"PILLORA_PRINT_LOG", output("print.log")};
  SystemPrinters printers;
  printers.choose(indexOf(printers, u"Pillora PNG"));
  printers.setJobName(u"123.ndrg");
  PrinterSurface& surface = printers.current();
  printPage(surface, u"一");
  surface.newPage();
  printPage(surface, u"二");
  surface.newPage();
  surface.endDoc();
  surface.endDoc();
  printPage(surface, u"三");
  surface.endDoc();

  EXPECT_EQ(outputFiles(), (Names{"123-2-p1.png", "123-p1.png", "123-p2.png", "print.log"}));
  EXPECT_EQ(testing::fileContent(output("print.log")),
            "printer\tPillora PNG\n"
            "text\t1134.00\t1134.00\t標楷體\t12\t0\t一\nnewpage\n"
            "text\t1134.00\t1134.00\t標楷體\t12\t0\t二\nnewpage\nenddoc\nenddoc\n"
            "text\t1134.00\t1134.00\t標楷體\t12\t0\t三\nenddoc\n");
}

TEST_F(BuiltInPrinters, FailuresAreReported) {
  SystemPrinters printers;
  EXPECT_THROW(printers.choose(2), SubscriptError);

  std::ofstream(output("not-a-folder")) << "";
  const testing::ScopedEnvironment blocked{"PILLORA_OUTPUT_DIR", output("not-a-folder/out")};
  SystemPrinters blockedPrinters;
  printPage(blockedPrinters.current(), u"無處可寫");
  EXPECT_THROW(blockedPrinters.current().endDoc(), PrinterError);
}

}  // namespace
}  // namespace pillora
