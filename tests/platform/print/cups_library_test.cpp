#include "platform/print/cups_library.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace pillora {
namespace {

// A library that is missing, or one that lacks a function of the table, is no CUPS
// printers with one warning line naming the loader's reason.
TEST(CupsLibrary, AMissingLibraryOrFunctionIsOneWarningLine) {
  const struct {
    const char* name;
    std::string reason;  // part of the loader's reason
  } rows[] = {{"libpillora-no-such-cups.so.2", "libpillora-no-such-cups.so.2: cannot open"},
              {"libc.so.6", "undefined symbol: cupsGetDests2"}};
  for (const auto& row : rows) {
    std::ostringstream warnings;
    EXPECT_EQ(loadCupsLibrary(row.name, warnings), nullptr) << row.name;
    const std::string line = warnings.str();
    EXPECT_EQ(line.rfind("pillora: there are no CUPS printers: libcups cannot be loaded (", 0), 0U)
        << line;
    EXPECT_NE(line.find(row.reason), std::string::npos) << line;
    EXPECT_EQ(line.find('\n'), line.size() - 1) << line;
  }
}

TEST(CupsLibrary, TheInstalledLibraryHasEveryFunction) {
  std::ostringstream warnings;
  const auto library = loadCupsLibrary(kCupsLibraryName, warnings);
  ASSERT_NE(library, nullptr) << warnings.str();
  EXPECT_EQ(warnings.str(), "");
  EXPECT_NE(library->cupsCancelJob2, nullptr);
  EXPECT_STRNE(library->cupsServer(), "");
}

}  // namespace
}  // namespace pillora
