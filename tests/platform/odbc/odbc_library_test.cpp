#include "platform/odbc/odbc_library.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "common/text/errors.h"

namespace pillora::odbc {
namespace {

// A driver manager that is missing, or lacks a function of the table, is one DatabaseError
// naming the loader's reason; connections then fail with it instead of the program.
TEST(OdbcLibrary, AMissingLibraryOrFunctionIsADatabaseErrorWithTheReason) {
  struct Row {
    const char* name;
    std::string reason;  // part of the loader's reason
  };
  const std::array<Row, 2> rows{{
      {"libpillora-no-such-odbc.so.2", "libpillora-no-such-odbc.so.2: cannot open"},
      {"libc.so.6", "undefined symbol: SQLAllocHandle"},
  }};
  for (const auto& row : rows) {
    try {
      loadLibrary(row.name);
      ADD_FAILURE() << row.name << " loaded";
    } catch (const DatabaseError& error) {
      const std::string message = error.what();
      EXPECT_EQ(message.rfind("ODBC cannot be used: the driver manager cannot be loaded (", 0), 0U)
          << message;
      EXPECT_NE(message.find(row.reason), std::string::npos) << message;
    }
  }
}

TEST(OdbcLibrary, TheInstalledDriverManagerHasEveryFunction) {
  const Library& odbc = library();
  EXPECT_NE(odbc.SQLAllocHandle, nullptr);
  EXPECT_NE(odbc.SQLBindParameter, nullptr);
  SQLHENV environment = SQL_NULL_HENV;
  ASSERT_TRUE(SQL_SUCCEEDED(odbc.SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &environment)));
  EXPECT_TRUE(SQL_SUCCEEDED(odbc.SQLFreeHandle(SQL_HANDLE_ENV, environment)));
}

}  // namespace
}  // namespace pillora::odbc
