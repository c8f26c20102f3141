#include <string>

#include "common/text/errors.h"
#include "platform/odbc/odbc_library.h"
#include "platform/process/loaded_library.h"

namespace pillora::odbc {

namespace {

Library bound(const LoadedLibrary& loaded) {
  Library odbc;
  loaded.bind(odbc.SQLAllocHandle, "SQLAllocHandle");
  loaded.bind(odbc.SQLFreeHandle, "SQLFreeHandle");
  loaded.bind(odbc.SQLGetDiagRecW, "SQLGetDiagRecW");
  loaded.bind(odbc.SQLSetEnvAttr, "SQLSetEnvAttr");
  loaded.bind(odbc.SQLSetConnectAttrW, "SQLSetConnectAttrW");
  loaded.bind(odbc.SQLDriverConnectW, "SQLDriverConnectW");
  loaded.bind(odbc.SQLDisconnect, "SQLDisconnect");
  loaded.bind(odbc.SQLEndTran, "SQLEndTran");
  loaded.bind(odbc.SQLGetInfoW, "SQLGetInfoW");
  loaded.bind(odbc.SQLExecDirectW, "SQLExecDirectW");
  loaded.bind(odbc.SQLDescribeColW, "SQLDescribeColW");
  loaded.bind(odbc.SQLColAttributeW, "SQLColAttributeW");
  loaded.bind(odbc.SQLNumResultCols, "SQLNumResultCols");
  loaded.bind(odbc.SQLFetch, "SQLFetch");
  loaded.bind(odbc.SQLPrepareW, "SQLPrepareW");
  loaded.bind(odbc.SQLExecute, "SQLExecute");
  loaded.bind(odbc.SQLDriversW, "SQLDriversW");
  loaded.bind(odbc.SQLGetData, "SQLGetData");
  loaded.bind(odbc.SQLBindParameter, "SQLBindParameter");
  return odbc;
}

}  // namespace

Library loadLibrary(const char* name) {
  try {
    return bound(LoadedLibrary(name));
  } catch (const LibraryError& error) {
    throw DatabaseError(std::string("ODBC cannot be used: the driver manager cannot be loaded (") +
                        error.what() + ")");
  }
}

const Library& library() {
  static const Library odbc = loadLibrary(kLibraryName);
  return odbc;
}

}  // namespace pillora::odbc
