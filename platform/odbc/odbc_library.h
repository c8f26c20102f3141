#pragma once
// The ODBC driver manager's functions the program calls, as one table. On Linux libodbc
// (unixODBC) is loaded when a connection first needs it, so that jobs on an SQLite or
// Access profile database never load it; on Windows the table holds odbc32's functions.
// Only the wide-character calls are used: drivers that take UTF-16 keep Chinese names and
// text intact only through them.
// Windows' ODBC headers need its base types first.
#ifdef _WIN32
#include <windows.h>
#endif
#include <sql.h>
#include <sqlext.h>

namespace pillora::odbc {

inline constexpr const char* kLibraryName = "libodbc.so.2";

struct Library {
  decltype(&::SQLAllocHandle) SQLAllocHandle = nullptr;
  decltype(&::SQLFreeHandle) SQLFreeHandle = nullptr;
  decltype(&::SQLGetDiagRecW) SQLGetDiagRecW = nullptr;
  decltype(&::SQLSetEnvAttr) SQLSetEnvAttr = nullptr;
  decltype(&::SQLSetConnectAttrW) SQLSetConnectAttrW = nullptr;
  decltype(&::SQLDriverConnectW) SQLDriverConnectW = nullptr;
  decltype(&::SQLDisconnect) SQLDisconnect = nullptr;
  decltype(&::SQLEndTran) SQLEndTran = nullptr;
  decltype(&::SQLGetInfoW) SQLGetInfoW = nullptr;
  decltype(&::SQLExecDirectW) SQLExecDirectW = nullptr;
  decltype(&::SQLDescribeColW) SQLDescribeColW = nullptr;
  decltype(&::SQLColAttributeW) SQLColAttributeW = nullptr;
  decltype(&::SQLNumResultCols) SQLNumResultCols = nullptr;
  decltype(&::SQLFetch) SQLFetch = nullptr;
  decltype(&::SQLPrepareW) SQLPrepareW = nullptr;
  decltype(&::SQLExecute) SQLExecute = nullptr;
  decltype(&::SQLDriversW) SQLDriversW = nullptr;
  decltype(&::SQLGetData) SQLGetData = nullptr;
  decltype(&::SQLBindParameter) SQLBindParameter = nullptr;
};

// The process's driver manager, loaded on the first call (Linux). DatabaseError naming the
// loader's reason when it cannot be had.
const Library& library();

// The library of that name with every function of the table (Linux). DatabaseError naming
// the loader's reason when it cannot be loaded or lacks one of them.
Library loadLibrary(const char* name);

}  // namespace pillora::odbc
