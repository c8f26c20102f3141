#pragma once
// ODBC handles owned like any other resource, and the driver's diagnostics turned into
// DatabaseError.
#include "platform/odbc/odbc_library.h"

#include <string>

#include "common/text/text.h"

namespace pillora::odbc {

static_assert(sizeof(SQLWCHAR) == sizeof(char16_t), "the driver manager must use UTF-16");

// The text as the wide calls take it; the calls read it and never write to it.
inline SQLWCHAR* wide(const Text& text) {
  // NOLINTNEXTLINE(cppcoreguidelines-pro-type-const-cast): the ODBC prototypes lack const
  return const_cast<SQLWCHAR*>(reinterpret_cast<const SQLWCHAR*>(text.c_str()));
}

// An integer attribute value, which the attribute calls take in the place of a pointer.
inline SQLPOINTER attributeValue(SQLULEN value) {
  return reinterpret_cast<SQLPOINTER>(value);  // NOLINT(performance-no-int-to-ptr)
}

class Handle {
 public:
  // DatabaseError when the driver manager cannot allocate it.
  Handle(SQLSMALLINT type, SQLHANDLE parent);
  Handle(Handle&& other) noexcept;
  Handle& operator=(Handle&&) = delete;
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  ~Handle();

  SQLHANDLE get() const { return m_handle; }
  SQLSMALLINT type() const { return m_type; }

  // DatabaseError carrying the driver's messages when rc is neither success nor
  // success with information.
  void check(SQLRETURN rc, const char* what) const;

 private:
  SQLSMALLINT m_type;
  SQLHANDLE m_handle = SQL_NULL_HANDLE;
};

// The diagnostic records of a handle, "[state] message" each, joined by "; ".
std::string diagnostics(SQLSMALLINT type, SQLHANDLE handle);

inline bool succeeded(SQLRETURN rc) {
  return rc == SQL_SUCCESS || rc == SQL_SUCCESS_WITH_INFO;
}

}  // namespace pillora::odbc
