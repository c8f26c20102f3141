#pragma once
// OLE DB connection strings: "key=value" pairs separated by ";". Keys ignore letter case
// and surrounding blanks ("Data Source" and "data source" are one key); a value may be
// quoted with ' or " so that it can carry ";" or "=" ("Jet OLEDB:Database Password='a;b'"),
// a doubled quote inside standing for one. When a key appears twice the last value counts.
#include <optional>
#include <utility>
#include <vector>

#include "common/text/text.h"

namespace pillora {

class ConnectionSettings {
 public:
  // DatabaseError for a pair without "=", an empty key or an unterminated quote.
  static ConnectionSettings parse(TextView text);

  // The value of key, nothing when the key is absent.
  std::optional<Text> value(TextView key) const;

 private:
  std::vector<std::pair<Text, Text>> m_pairs;
};

}  // namespace pillora
