// Windows: the driver manager odbc32 is linked; the table holds its functions.
#include "platform/odbc/odbc_library.h"

namespace pillora::odbc {

const Library& library() {
  static const Library odbc{
      ::SQLAllocHandle,     ::SQLFreeHandle,     ::SQLGetDiagRecW,   ::SQLSetEnvAttr,
      ::SQLSetConnectAttrW, ::SQLDriverConnectW, ::SQLDisconnect,    ::SQLEndTran,
      ::SQLGetInfoW,        ::SQLExecDirectW,    ::SQLDescribeColW,  ::SQLColAttributeW,
      ::SQLNumResultCols,   ::SQLFetch,          ::SQLPrepareW,      ::SQLExecute,
      ::SQLDriversW,        ::SQLGetData,        ::SQLBindParameter,
  };
  return odbc;
}

}  // namespace pillora::odbc
