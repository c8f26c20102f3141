#pragma once
// A database connection as both programs use it: set the connection string, open it, run
// statements, close it. The connection string's provider chooses the engine (backends.h).
#include <memory>
#include <string>
#include <vector>

#include "common/db/backend.h"

namespace pillora {

enum class ObjectState { Closed = 0, Open = 1 };

class Connection {
 public:
  Connection() = default;
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  // DatabaseError while the connection is open; the string stays as it was.
  void ConnectionString(Text vData);
  const Text& ConnectionString() const { return m_connectionString; }

  // The only tables the connection will read, for the next Open: an engine that reads a
  // whole file first (an Access file read into a copy) then reads these alone. None: all.
  void TablesRead(std::vector<std::string> tables) { m_tables = std::move(tables); }
  // Opens the database the connection string names; user, password and options are those
  // the string carries. DatabaseError when the connection is open already (it stays open,
  // unchanged) or the database cannot be opened (it stays closed).
  void Open();
  // What the last Open had to say without failing, one line each naming its file (a copy
  // made again, a private copy instead of the cache: backends.h).
  const std::vector<std::string>& Warnings() const { return m_warnings; }
  ObjectState State() const { return m_backend ? ObjectState::Open : ObjectState::Closed; }
  // Runs one statement that returns no rows. DatabaseError when closed or refused.
  void Execute(const Text& sql);
  // A transaction on the open connection (backend.h): changes made from BeginTrans on
  // stay invisible to others until CommitTrans; RollbackTrans undoes them all. Closing
  // the connection with a transaction open rolls it back. DatabaseError when closed, for
  // a second BeginTrans and for a commit or rollback without a transaction.
  void BeginTrans();
  void CommitTrans();
  void RollbackTrans();
  // Releases the database. DatabaseError when not open.
  void Close();

 private:
  friend class Recordset;
  // The engine of the open connection; DatabaseError when closed.
  const std::shared_ptr<Backend>& backend() const;

  Text m_connectionString;
  std::shared_ptr<Backend> m_backend;
  std::vector<std::string> m_warnings;
  std::vector<std::string> m_tables;
};

}  // namespace pillora
