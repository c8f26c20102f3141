#pragma once
// What an SQLite copy of an Access file records about itself, and the check of a copy
// against that record. The copy records the content key (content_hash.h) of the Access file
// it was made from and, for each table, its row count and a digest of its definition and of
// every value as a query reads it. A copy cut short, damaged on disk, changed by hand or
// made from another file fails the check: its rows are never taken for the file's.
//
// The record is kept in two tables whose names no Access table can have (Access does not
// allow a dot in a table name): "pillora.source" (hash) and "pillora.tables" (name, rows,
// digest).
#include <string>
#include <vector>

#include "common/db/sqlite_backend.h"

namespace pillora {

// What a copy records as its source: the content key of the Access file, and the tables
// asked for when they were not all (a copy of some tables is not one of the whole file).
std::string copySourceKey(const std::string& contentKey, const std::vector<std::string>& tables);

// Records the tables the copy holds now and the key of the file they were read from; within
// the writer's transaction. DatabaseError when the copy refuses it.
void recordCopy(SqliteBackend& copy, const std::string& sourceKey);

// The key of the file the copy was made from. DatabaseError when it records none.
std::string recordedSource(SqliteBackend& copy);

// DatabaseError saying what does not match when the copy was not made from the file of
// sourceKey or is not as it was recorded.
void checkCopy(SqliteBackend& copy, const std::string& sourceKey);

}  // namespace pillora
