#include "pillora/testform/sample_bag.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <array>
#include <clocale>
#include <filesystem>
#include <regex>
#include <string>

#include "pillora/testform/form1.h"
#include "platform/print/system_printers.h"
#include "tests/support/comma_decimal_locale.h"
#include "tests/support/log_lines.h"
#include "tests/support/recording_printer.h"
#include "tests/support/scoped_environment.h"
#include "tests/support/temp_folder.h"

namespace pillora::testing {
namespace {

constexpr const char* kFont = "標楷體";

class TestForm : public ::testing::Test {
 protected:
  TempProgramFolder folder;
  RecordingPrinter recorder;
  RunState run;
};

TEST_F(TestForm, SampleBagIsOneSingleBagShowingTheSampleValues) {
  printSampleBag(recorder.surface(), run);
  EXPECT_EQ(notLoggedOnce(recorder.lines(),
                          {
                              textAt(0.0, 0.0, kFont, "24", "      "),
                              textAt(3.2, 10.7, kFont, "12", "藥師名"),
                              textAt(3.2, 11.9, kFont, "10", "醫師名"),
                              textAt(10.8, 10.7, kFont, "14", "2007/05/06"),
                              textAt(0.5, 16.0, kFont, "10", "名稱"),
                              textAt(0.5, 17.5, kFont, "10", "廠牌：廠牌"),
                              textAt(4.0, 20.5, kFont, "10", "外觀 ／ 形狀"),
                              textAt(10.5, 24.3, kFont, "10", "警語"),
                          }),
            kNoneMissing);
  // The fixed single-bag form: 28 rows and its own document end, then startPrint's.
  EXPECT_EQ(recorder.linesOf("text").size(), 28U);
  EXPECT_EQ(recorder.linesOf("enddoc").size(), 2U);
}

TEST_F(TestForm, MarkersChangeTheSampleAsTheyChangeEveryBag) {
  folder.touch("220306.config");
  folder.touch("180208.config");
  printSampleBag(recorder.surface(), run);
  EXPECT_EQ(notLoggedOnce(recorder.lines(),
                          {
                              textAt(3.5, 13.7, kFont, "20", "姓名:病患姓名 ／ 病患電話"),
                              textAt(10.8, 10.7, kFont, "14", "調劑日:2007/05/06"),
                              textAt(4.0, 20.5, kFont, "10", "外觀 ／ "),
                          }),
            kNoneMissing);
}

// The window itself, on Qt's offscreen platform and the built-in PDF printer: each click
// prints one more bag, as a document of its own. Qt takes the process locale from the
// environment; a comma-decimal one must not change what the print log says.
TEST_F(TestForm, EachClickOfCommand1PrintsOneBag) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);  // a display the caller chose stays
  const ScopedEnvironment locale("LC_ALL", kCommaDecimalLocale);
  const std::string log = folder.file("print.log");
  const ScopedEnvironment printLog("PILLORA_PRINT_LOG", log);
  const ScopedEnvironment output("PILLORA_OUTPUT_DIR", folder.file("out"));
  int argc = 1;
  std::string name = "pillora-testform-tests";
  std::array<char*, 2> argv{name.data(), nullptr};
  QApplication app(argc, argv.data());
  SystemPrinters printers;
  const std::vector<PrinterEntry> entries = printers.list();
  const auto pdf = std::find_if(entries.begin(), entries.end(), [](const PrinterEntry& entry) {
    return entry.deviceName == kPdfPrinterName;
  });
  ASSERT_NE(pdf, entries.end());
  printers.choose(static_cast<size_t>(pdf - entries.begin()));
  const std::unique_ptr<Form1> form = makeTestWindow(printers, run);
  form->show();
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Form1"));
  EXPECT_EQ(form->Command1()->text(), QStringLiteral("Command1"));
  const auto footers = [&log] {
    const std::vector<std::string> texts = drawnTexts(logFileLines(log));
    return std::count(texts.begin(), texts.end(), "專業醫療軟體製造商：澄朗科技有限公司");
  };
  form->Command1()->click();
  EXPECT_EQ(footers(), 1);
  form->Command1()->click();
  EXPECT_EQ(footers(), 2);
  EXPECT_TRUE(std::filesystem::is_regular_file(folder.file("out/Form1.pdf")));
  EXPECT_TRUE(std::filesystem::is_regular_file(folder.file("out/Form1-2.pdf")));
  const std::regex pointCoordinates("text\t-?[0-9]+\\.[0-9]{2}\t-?[0-9]+\\.[0-9]{2}\t.*");
  for (const std::string& line : logFileLines(log)) {
    if (line.starts_with("text")) {
      EXPECT_TRUE(std::regex_match(line, pointCoordinates)) << line;
    }
  }
  std::setlocale(LC_ALL, "C");
}

}  // namespace
}  // namespace pillora::testing
