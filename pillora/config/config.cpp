#include "pillora/config/config.h"

#include <string_view>

#include "common/tagreader/tag_reader.h"
#include "common/text/attempt.h"
#include "common/text/convert.h"
#include "pillora/flags/flags.h"

namespace pillora {

namespace {

constexpr std::string_view kSettingsFile = "DrugBag.config";

}  // namespace

CConfig::CConfig() {
  loadDrugBagConfig();
}

// A number element that is missing, empty, not a number or out of range keeps its default:
// one bad element must not take every configured text off the printed bags.
void CConfig::loadDrugBagConfig() {
  TqlXmlTextReader reader;
  const auto load = [&reader](const std::string& path) { reader.XmlFilePath(fromUtf8(path)); };
  if (!readSettingsFile(kSettingsFile, load)) return;
  const auto data = [&reader](const Text& tag) { return reader.getDataString(tag, Text()); };
  attempt([&] { m_drugsPerPage = toInt16(data(u"多藥一袋單頁藥數")); });
  attempt([&] { m_lineHeight = toSingle(data(u"多藥一袋藥品行高")); });
  attempt([&] { m_fontSize = toInt16(toSingle(data(u"字型Size"))); });
  m_fontName = data(u"字型名稱");
}

CConfig& CContext::getConfig() {
  if (!m_config) m_config = std::make_unique<CConfig>();
  return *m_config;
}

}  // namespace pillora
