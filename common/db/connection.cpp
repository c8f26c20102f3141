#include "common/db/connection.h"

#include "common/db/backends.h"
#include "common/text/errors.h"

namespace pillora {

void Connection::ConnectionString(Text vData) {
  if (m_backend) throw DatabaseError("the connection is open; its connection string cannot change");
  m_connectionString = std::move(vData);
}

void Connection::Open() {
  if (m_backend) throw DatabaseError("the connection is open already");
  m_warnings.clear();
  m_backend = openBackend(m_connectionString, m_warnings, m_tables);
}

const std::shared_ptr<Backend>& Connection::backend() const {
  if (!m_backend) throw DatabaseError("the connection is closed");
  return m_backend;
}

void Connection::Execute(const Text& sql) {
  backend()->execute(sql);
}

void Connection::BeginTrans() {
  backend()->begin();
}

void Connection::CommitTrans() {
  backend()->commit();
}

void Connection::RollbackTrans() {
  backend()->rollback();
}

void Connection::Close() {
  backend();  // fails when closed
  m_backend.reset();
}

}  // namespace pillora
