#include "platform/odbc/odbc_handle.h"

#include <array>

#include "common/text/errors.h"

namespace pillora::odbc {

Handle::Handle(SQLSMALLINT type, SQLHANDLE parent) : m_type(type) {
  if (!succeeded(library().SQLAllocHandle(type, parent, &m_handle))) {
    const std::string reason =
        parent != SQL_NULL_HANDLE
            ? diagnostics(type == SQL_HANDLE_STMT ? SQL_HANDLE_DBC : SQL_HANDLE_ENV, parent)
            : std::string("the ODBC driver manager is not usable");
    throw DatabaseError("cannot allocate an ODBC handle: " + reason);
  }
}

Handle::Handle(Handle&& other) noexcept : m_type(other.m_type), m_handle(other.m_handle) {
  other.m_handle = SQL_NULL_HANDLE;
}

Handle::~Handle() {
  if (m_handle != SQL_NULL_HANDLE) library().SQLFreeHandle(m_type, m_handle);
}

void Handle::check(SQLRETURN rc, const char* what) const {
  if (succeeded(rc)) return;
  const std::string messages = diagnostics(m_type, m_handle);
  throw DatabaseError(messages.empty() ? std::string(what) + " failed" : messages);
}

std::string diagnostics(SQLSMALLINT type, SQLHANDLE handle) {
  std::string result;
  for (SQLSMALLINT record = 1;; ++record) {
    std::array<SQLWCHAR, 6> state{};
    std::array<SQLWCHAR, 1024> message{};
    SQLINTEGER nativeError = 0;
    SQLSMALLINT length = 0;
    const SQLRETURN rc =
        library().SQLGetDiagRecW(type, handle, record, state.data(), &nativeError, message.data(),
                                 static_cast<SQLSMALLINT>(message.size()), &length);
    if (!succeeded(rc)) break;
    const auto* text = reinterpret_cast<const char16_t*>(message.data());
    const size_t kept = std::min<size_t>(static_cast<size_t>(length), message.size() - 1);
    if (!result.empty()) result += "; ";
    result += "[" + toUtf8(reinterpret_cast<const char16_t*>(state.data())) + "] " +
              toUtf8(TextView(text, kept));
  }
  return result;
}

}  // namespace pillora::odbc
