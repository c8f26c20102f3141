#include "common/db/jet_reader.h"

#include <mdbtools.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <iterator>
#include <memory>
#include <string_view>

#include "common/text/convert.h"
#include "common/text/errors.h"

namespace pillora {

namespace {

// Room for the longest text Access lets one enter in a memo (65,535 UTF-16 units, at most
// three UTF-8 bytes each) and its terminating zero.
constexpr size_t kBindSize = 65535 * 3 + 1;
// libmdb keeps the row's offset in the low bits of the row-table entry.
constexpr int kRowOffsetMask = 0x1fff;

struct HandleCloser {
  void operator()(MdbHandle* mdb) const { mdb_close(mdb); }
};
struct TableFreer {
  void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};

JetType jetType(int columnType) {
  switch (columnType) {
    case MDB_BOOL:
    case MDB_BYTE:
    case MDB_INT:
    case MDB_LONGINT:
    case MDB_COMPLEX:
      return JetType::Integer;
    case MDB_FLOAT:
    case MDB_DOUBLE:
      return JetType::Real;
    case MDB_MONEY:
    case MDB_NUMERIC:
      return JetType::Numeric;
    case MDB_DATETIME:
      return JetType::DateTime;
    case MDB_OLE:
    case MDB_BINARY:
      return JetType::Binary;
    default:  // text, memo, replication ids: their text form
      return JetType::Text;
  }
}

MdbColumn* columnAt(MdbTableDef* table, unsigned int index) {
  return static_cast<MdbColumn*>(g_ptr_array_index(table->columns, index));
}

// One table's columns bound to buffers, and its rows read through them.
class TableReader {
 public:
  TableReader(MdbHandle* mdb, MdbTableDef* table)
      : m_mdb(mdb), m_table(table), m_buffers(table->num_cols) {
    for (unsigned int i = 0; i < table->num_cols; ++i) {
      const MdbColumn* column = columnAt(table, i);
      m_columns.push_back({column->name, jetType(column->col_type)});
      if (m_columns.back().type == JetType::Binary) continue;
      // Left as they come but for the first byte: a table's columns take some hundred
      // kilobytes each, of which a value uses a few bytes.
      m_buffers[i] = std::make_unique_for_overwrite<Buffer>();
      m_buffers[i]->front() = '\0';
      mdb_bind_column(table, static_cast<int>(i + 1), m_buffers[i]->data(), nullptr);
    }
  }

  const std::vector<JetColumn>& columns() const { return m_columns; }

  // Returns the number of rows read.
  unsigned int readRows(JetTableSink& sink) {
    mdb_rewind_table(m_table);
    JetRow row(m_columns.size());
    unsigned int count = 0;
    for (; mdb_fetch_row(m_table) != 0; ++count) {
      const std::vector<bool> nulls = nullColumns();
      for (size_t i = 0; i < m_columns.size(); ++i) {
        if (nulls[i] || m_columns[i].type == JetType::Binary) {
          row[i].reset();
        } else {
          // The row's strings keep their room from row to row.
          if (!row[i]) row[i].emplace();
          row[i]->assign(m_buffers[i]->data(), strnlen(m_buffers[i]->data(), kBindSize));
        }
      }
      sink.row(row);
    }
    return count;
  }

 private:
  // The bound values cannot tell NULL from empty text; the row's null mask can. The row
  // just fetched is still in the page buffer, one before the table's current row.
  std::vector<bool> nullColumns() {
    std::vector<bool> nulls(m_columns.size(), false);
    int start = 0;
    size_t size = 0;
    if (mdb_find_row(m_mdb, static_cast<int>(m_table->cur_row) - 1, &start, &size) != 0) {
      return nulls;
    }
    // libmdb fills one field per column of the table but returns the number of columns the
    // row keeps, which is larger once a column has been deleted from the table.
    std::vector<MdbField> fields(m_columns.size());
    const int kept = mdb_crack_row(m_table, start & kRowOffsetMask, size, fields.data());
    const size_t count = std::min(static_cast<size_t>(std::max(kept, 0)), fields.size());
    for (size_t i = 0; i < count; ++i) {
      const auto column = static_cast<size_t>(fields[i].colnum);
      // A yes/no column keeps its value in the null mask; it is never NULL.
      if (column < nulls.size() && columnAt(m_table, column)->col_type != MDB_BOOL) {
        nulls[column] = fields[i].is_null != 0;
      }
    }
    return nulls;
  }

  MdbHandle* m_mdb;
  MdbTableDef* m_table;
  std::vector<JetColumn> m_columns;
  using Buffer = std::array<char, kBindSize>;
  std::vector<std::unique_ptr<Buffer>> m_buffers;
};

// Takes the rows of a table and keeps none: reading them is the check.
class RowCounter final : public JetTableSink {
 public:
  void table(const std::string& /*name*/, const std::vector<JetColumn>& /*columns*/) override {}
  void row(const JetRow& /*values*/) override {}
};

// A table gives exactly the rows its definition counts; fewer mean a file cut short or a
// page libmdb skipped (a page "from map" that does not match). DatabaseError saying which
// table, without the file's name.
void readTable(MdbHandle* mdb, MdbCatalogEntry* entry, JetTableSink& sink) {
  const std::unique_ptr<MdbTableDef, TableFreer> table(mdb_read_table(entry));
  if (table == nullptr || mdb_read_columns(table.get()) == nullptr) {
    throw DatabaseError(std::string("cannot read table ") + entry->object_name);
  }
  TableReader reader(mdb, table.get());
  sink.table(entry->object_name, reader.columns());
  const unsigned int read = reader.readRows(sink);
  if (read != table->num_rows) {
    throw DatabaseError(std::string("table ") + entry->object_name + " gives " + decimal(read) +
                        " rows where it declares " + decimal(table->num_rows));
  }
}

// The table list is the rows of the catalog table MSysObjects, whose definition is page 2.
// libmdb reads it as any table and lists what it finds: a damaged list would read as a
// database with fewer tables, or none. It must read whole.
void readTableList(MdbHandle* mdb, const std::string& path) {
  MdbCatalogEntry catalog{};
  catalog.mdb = mdb;
  catalog.object_type = MDB_TABLE;
  catalog.table_pg = 2;
  const std::string_view name = "MSysObjects";
  std::copy(name.begin(), name.end(), std::begin(catalog.object_name));
  try {
    RowCounter rows;
    readTable(mdb, &catalog, rows);
  } catch (const DatabaseError& error) {
    throw DatabaseError("cannot read the table list of the Access database file " + path + ": " +
                        error.what());
  }
  if (mdb_read_catalog(mdb, MDB_TABLE) == nullptr) {
    throw DatabaseError("cannot read the table list of the Access database file " + path);
  }
}

bool isAsked(const char* name, const std::vector<std::string>& tables) {
  return tables.empty() || std::any_of(tables.begin(), tables.end(), [name](const std::string& t) {
           return equalsIgnoreCase(fromUtf8(t), fromUtf8(name));
         });
}

}  // namespace

void readJetFile(const std::string& path, JetTableSink& sink,
                 const std::vector<std::string>& tables) {
  const std::unique_ptr<MdbHandle, HandleCloser> mdb(mdb_open(path.c_str(), MDB_NOFLAGS));
  if (mdb == nullptr) throw DatabaseError("cannot read the Access database file " + path);
  mdb_set_bind_size(mdb.get(), kBindSize);
  mdb_set_date_fmt(mdb.get(), "%Y-%m-%d %H:%M:%S");
  mdb_set_boolean_fmt_numbers(mdb.get());
  readTableList(mdb.get(), path);
  for (unsigned int i = 0; i < mdb->num_catalog; ++i) {
    auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
    if (entry->object_type != MDB_TABLE || mdb_is_system_table(entry) != 0 ||
        !isAsked(entry->object_name, tables)) {
      continue;
    }
    try {
      readTable(mdb.get(), entry, sink);
    } catch (const DatabaseError& error) {
      throw DatabaseError("the Access database file " + path + " is damaged: " + error.what());
    }
  }
}

}  // namespace pillora
