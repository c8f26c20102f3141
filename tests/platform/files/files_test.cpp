#include "platform/files/files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/scoped_environment.h"

namespace pillora {
namespace {

TEST(ProgramName, TheLineAfterItStaysAsTheHostWroteIt) {
  struct Case {
    const char16_t* line;
    const char16_t* after;
  };
  const Case cases[] = {
      {u"pillora.exe C:\\job\\A1.ndrg\tCP\tBag Printer", u"C:\\job\\A1.ndrg\tCP\tBag Printer"},
      {u"\"C:\\Program Files\\pillora.exe\" \"C:\\a b\\A1.ndrg\"", u"\"C:\\a b\\A1.ndrg\""},
      {u"\"C:\\x y\\pillora.exe\"C:\\A1.ndrg", u"C:\\A1.ndrg"},
      {u"pillora.exe   C:\\A1.ndrg\t 全部列印 \t", u"C:\\A1.ndrg\t 全部列印 \t"},
      {u"pillora.exe\t\tCP", u"\t\tCP"},  // no job path: the fields keep their places
      {u"pillora.exe", u""},
      {u"\"C:\\unclosed quote\\pillora.exe", u""},
      {u"", u""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(toUtf8(afterProgramName(c.line)), toUtf8(c.after)) << toUtf8(c.line);
  }
}

TEST(Paths, JoinedWithTheSystemsSeparator) {
  const std::string separator(1, static_cast<char>(std::filesystem::path::preferred_separator));
  EXPECT_EQ(joinPath("home", "dbDrugProfile.mdb"), "home" + separator + "dbDrugProfile.mdb");
  EXPECT_EQ(joinPath("home/", "\\DrugBag.config"), "home/DrugBag.config");
  EXPECT_EQ(joinPath("", "/a"), separator + "a");
}

TEST(Environment, ValuesReadAsUtf8) {
  const testing::ScopedEnvironment set("PILLORA_FILES_TEST", "C:\\藥袋\\列印");
  EXPECT_EQ(environmentValue("PILLORA_FILES_TEST"), "C:\\藥袋\\列印");
  const testing::ScopedEnvironment unset("PILLORA_FILES_TEST", std::nullopt);
  EXPECT_EQ(environmentValue("PILLORA_FILES_TEST"), "");
}

TEST(ProgramFolder, HoldsTheRunningProgramUnlessOverridden) {
  EXPECT_TRUE(std::filesystem::is_regular_file(executableFolder() / PILLORA_TEST_PROGRAM));
  const testing::ScopedEnvironment unset("PILLORA_HOME", std::nullopt);
  EXPECT_EQ(pathFromUtf8(programFolder("PILLORA_HOME")), executableFolder());
  const testing::ScopedEnvironment home("PILLORA_HOME", "/藥局/pillora//");
  EXPECT_EQ(programFolder("PILLORA_HOME"), "/藥局/pillora");
}

}  // namespace
}  // namespace pillora
