#include "common/db/odbc_connection_string.h"

#include <algorithm>

#include "common/text/errors.h"

namespace pillora {

namespace {

constexpr TextView kMicrosoftDriver = u"ODBC Driver 18 for SQL Server";
constexpr TextView kFreeTds = u"FreeTDS";

bool isDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}

bool allDigitsOrDots(TextView text) {
  return std::all_of(text.begin(), text.end(), [](char16_t c) { return isDigit(c) || c == u'.'; });
}

bool needsBraces(TextView value) {
  return value.find_first_of(u";{}=") != TextView::npos ||
         (!value.empty() && (isSpaceOrTab(value.front()) || isSpaceOrTab(value.back())));
}

// One "key=value;" pair of an ODBC connection string.
Text pair(TextView key, TextView value) {
  const Text written =
      needsBraces(value) ? u"{" + replaceAll(value, u"}", u"}}") + u"}" : Text(value);
  return Text(key) + u"=" + written + u";";
}

struct Server {
  Text host;
  Text port;  // empty: the driver's default
};

Server serverOf(const ConnectionSettings& settings) {
  const Text source = trimBlanks(settings.value(u"Data Source").value_or(Text()));
  const size_t comma = source.find(u',');
  Server server{trimBlanks(TextView(source).substr(0, comma)), Text()};
  if (comma != Text::npos) {
    server.port = trimBlanks(TextView(source).substr(comma + 1));
    if (server.port.empty() || !std::all_of(server.port.begin(), server.port.end(), isDigit)) {
      throw DatabaseError("the Data Source port is not a number: " + toUtf8(source));
    }
  }
  if (server.host.empty()) throw DatabaseError("the connection string names no Data Source");
  return server;
}

Text serverPairs(const Server& server, const Text& driver) {
  if (equalsIgnoreCase(driver, kMicrosoftDriver)) {
    return pair(u"Server", server.port.empty() ? server.host : server.host + u"," + server.port);
  }
  return pair(u"Server", server.host) + (server.port.empty() ? Text() : pair(u"Port", server.port));
}

// The pair when the OLE DB string gives the key a value, nothing otherwise.
Text optionalPair(const ConnectionSettings& settings, TextView oleDbKey, TextView odbcKey) {
  const Text value = settings.value(oleDbKey).value_or(Text());
  return value.empty() ? Text() : pair(odbcKey, value);
}

Text driverPairs(const Text& driver) {
  if (equalsIgnoreCase(driver, kMicrosoftDriver)) return u"Encrypt=no;";
  if (equalsIgnoreCase(driver, kFreeTds)) return u"TDS_Version=7.3;ClientCharset=UTF-8;";
  return {};
}

Text driverPair(const Text& driver) {
  return u"Driver={" + replaceAll(driver, u"}", u"}}") + u"};";
}

}  // namespace

bool isSqlServerProvider(TextView provider) {
  constexpr TextView kName = u"SQLNCLI";
  return provider.size() >= kName.size() &&
         equalsIgnoreCase(provider.substr(0, kName.size()), kName) &&
         allDigitsOrDots(provider.substr(kName.size()));
}

Text chooseOdbcDriver(const std::optional<Text>& configured, const std::vector<Text>& installed) {
  if (configured && !configured->empty()) return *configured;
  const bool hasMicrosoft = std::any_of(installed.begin(), installed.end(), [](const Text& name) {
    return equalsIgnoreCase(name, kMicrosoftDriver);
  });
  return Text(hasMicrosoft ? kMicrosoftDriver : kFreeTds);
}

Text chooseAccessOdbcDriver(const std::vector<Text>& installed, bool program64Bit) {
  for (const TextView driver : {kAccessOdbcDriver, kJetOdbcDriver}) {
    const bool found = std::any_of(installed.begin(), installed.end(), [driver](const Text& name) {
      return equalsIgnoreCase(name, driver);
    });
    if (found) return Text(driver);
  }
  if (!program64Bit) {
    throw DatabaseError("the Access ODBC driver \"" + toUtf8(kJetOdbcDriver) +
                        "\" is not installed");
  }
  throw DatabaseError("the Access ODBC driver \"" + toUtf8(kAccessOdbcDriver) +
                      "\" is not installed (64-bit programs need Microsoft's 64-bit Access "
                      "Database Engine); the 32-bit (x86) package needs none");
}

Text odbcConnectionString(const ConnectionSettings& settings, const Text& driver) {
  const Server server = serverOf(settings);
  return driverPair(driver) + serverPairs(server, driver) +
         optionalPair(settings, u"Initial Catalog", u"Database") +
         optionalPair(settings, u"User ID", u"UID") + optionalPair(settings, u"Password", u"PWD") +
         driverPairs(driver);
}

Text odbcFileConnectionString(const ConnectionSettings& settings, const Text& driver) {
  const Text file = settings.value(u"Data Source").value_or(Text());
  if (file.empty()) throw DatabaseError("the connection string names no Data Source");
  const bool sqlite = equalsIgnoreCase(left(driver, 6), u"SQLite");
  return driverPair(driver) + pair(sqlite ? u"Database" : u"DBQ", file) +
         optionalPair(settings, u"Jet OLEDB:Database Password", u"PWD");
}

}  // namespace pillora
