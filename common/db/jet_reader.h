#pragma once
// Reading Access (Jet) database files: the user tables (all, or those asked for by name),
// their columns and their rows, handed to a sink. Nothing here writes to the file. Text comes as
// UTF-8; NULL stays apart from empty text.
#include <optional>
#include <string>
#include <vector>

namespace pillora {

// How a column's values are best kept once read.
enum class JetType { Text, Integer, Real, Numeric, DateTime, Binary };

struct JetColumn {
  std::string name;
  JetType type = JetType::Text;
};

// One value per column, in column order. Binary values are not read and come as NULL.
using JetRow = std::vector<std::optional<std::string>>;

class JetTableSink {
 public:
  JetTableSink() = default;
  JetTableSink(const JetTableSink&) = delete;
  JetTableSink& operator=(const JetTableSink&) = delete;
  virtual ~JetTableSink() = default;
  // A table begins; the rows that follow belong to it.
  virtual void table(const std::string& name, const std::vector<JetColumn>& columns) = 0;
  virtual void row(const JetRow& values) = 0;
};

// The tables named in `tables` (letter case ignored), every user table when it names none.
// The table list is read whole either way. DatabaseError when the file cannot be read as an
// Access database, also when a table gives fewer or more rows than it declares (a file cut
// short or damaged).
void readJetFile(const std::string& path, JetTableSink& sink,
                 const std::vector<std::string>& tables = {});

}  // namespace pillora
