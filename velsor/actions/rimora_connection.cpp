#include "velsor/actions/rimora_connection.h"

#include "common/tagreader/tag_reader.h"
#include "common/text/textfile.h"

namespace fs = std::filesystem;

namespace pillora {

namespace {

// Rimora's configuration file is a line or a few tags; anything larger is no such file.
constexpr std::uintmax_t kConfigMost = std::uintmax_t{64} * 1024;

Text jetConnectionString(const Text& dataSource) {
  return u"Provider=Microsoft.Jet.OLEDB.4.0;Jet OLEDB:Database Password='Zr@Kelborn51748203';"
         u"Data Source=" +
         dataSource + u";";
}

Text sqlServerConnectionString(const fs::path& config) {
  TqlXmlTextReader reader;
  reader.XmlFilePath(config.u16string());
  const auto tag = [&reader](const Text& name) { return reader.getDataString(name, {}); };
  return u"Provider=SQLNCLI" + tag(u"SQLNCLI") + u";Data Source=" + tag(u"IP") +
         u";User ID=sa;Password=Zr@61730285;Initial Catalog=" + tag(u"DB");
}

}  // namespace

Text rimoraConnectionString(const fs::path& rimoraFolder, const FileStore& files) {
  const fs::path config = rimoraFolder / "Rimora.config";
  if (!files.isFile(config))
    return jetConnectionString((rimoraFolder / "dbRimora.mdb").u16string());
  LineReader lines(readTextLines(pathToUtf8(config), kConfigMost));
  const Text first = lines.next();
  if (first.find(u".mdb") != Text::npos) return jetConnectionString(first);
  return sqlServerConnectionString(config);
}

}  // namespace pillora
