#include "platform/label/system_label_printer.h"
#include "platform/label/cups_label_queue.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "common/text/errors.h"
#include "common/text/textfile.h"
#include "tests/support/scoped_environment.h"
#include "tests/support/scratch_folder.h"

namespace pillora::testing {
namespace {

void printOneLabel(LabelPrinter& port, const Text& printerName) {
  port.openport(printerName);
  port.setup(u"60", u"150", u"3", u"5", u"0", u"3", u"0");
  port.clearbuffer();
  port.windowsfont(20, 1210, 32, 90, 0, 0, u"標楷體", u"姓名:王小明");
  port.printlabel(u"1", u"1");
  port.closeport();
}

// Width and height of a PNG file, read back with Cairo.
std::pair<int, int> pngSize(const std::string& path) {
  cairo_surface_t* image = cairo_image_surface_create_from_png(path.c_str());
  const std::pair<int, int> size{cairo_image_surface_get_width(image),
                                 cairo_image_surface_get_height(image)};
  cairo_surface_destroy(image);
  return size;
}

TEST(SystemLabelPrinterTest, WithoutAQueueTheJobsGoToFilesNeverOverwritten) {
  ScratchFolder folder;
  const ScopedEnvironment server("CUPS_SERVER", folder.path("no-cups.sock"));
  const ScopedEnvironment output("PILLORA_OUTPUT_DIR", folder.path("out"));
  const ScopedEnvironment log("PILLORA_LABEL_LOG", folder.path("label.log"));
  SystemLabelPrinter labels;
  labels.setJobName(u"/jobs/123.ndrg");
  EXPECT_FALSE(std::filesystem::exists(folder.path("label.log")));  // no call yet
  printOneLabel(labels.port(), u"TSC TTP-245 Plus");
  printOneLabel(labels.port(), u"TSC TTP-245 Plus");
  for (const char* name : {"123.tspl", "123-label1.png", "123-2.tspl", "123-2-label1.png"}) {
    EXPECT_TRUE(std::filesystem::exists(folder.path("out/") + name)) << name;
  }
  EXPECT_EQ(readFileBytes(folder.path("out/123.tspl")).rfind("SIZE 60 mm,150 mm\r\n", 0), 0U);
  EXPECT_EQ(pngSize(folder.path("out/123-label1.png")), std::make_pair(480, 1200));
  const std::string oneLabel =
      "openport\tTSC TTP-245 Plus\nsetup\t60\t150\t3\t5\t0\t3\t0\nclearbuffer\n"
      "windowsfont\t20\t1210\t32\t90\t0\t0\t標楷體\t姓名:王小明\nprintlabel\t1\t1\ncloseport\n";
  EXPECT_EQ(readFileBytes(folder.path("label.log")), oneLabel + oneLabel);
}

TEST(SystemLabelPrinterTest, ALabelLogThatCannotBeOpenedIsAPrinterError) {
  ScratchFolder folder;
  const ScopedEnvironment log("PILLORA_LABEL_LOG", folder.path("missing/label.log"));
  SystemLabelPrinter labels;
  try {
    labels.port().openport(u"TSC TTP-245 Plus");
    ADD_FAILURE() << "no error";
  } catch (const PrinterError& error) {
    EXPECT_NE(std::string(error.what()).find("label log"), std::string::npos) << error.what();
  }
}

TEST(SystemLabelPrinterTest, TheQueueOfAPrinterName) {
  const std::vector<CupsQueue> queues{{{u"Bag Printer", u"Bags", true}},
                                      {{u"TSC TTP-245 Plus", u"TSC_TTP-245_Plus", false, true}},
                                      {{u"Labels", u"tsc"}}};
  const std::vector<std::pair<Text, std::optional<std::string>>> cases{
      {u"TSC TTP-245 Plus", "TSC_TTP-245_Plus"},    // by description
      {u" tsc_ttp-245_plus ", "TSC_TTP-245_Plus"},  // by queue name, letter case ignored
      {u"TSC", "tsc"},                              // a queue name before a description
      {u"tsc ttp-245 plus", std::nullopt},          // descriptions are exact
      {u"Nowhere", std::nullopt},
  };
  for (const auto& [name, queue] : cases) {
    EXPECT_EQ(labelQueueOf(queues, name), queue) << toUtf8(name);
  }
}

}  // namespace
}  // namespace pillora::testing
