#pragma once
// The drug-bag program's four print settings, read from "DrugBag.config" in the program's
// folder with the tag reader. CContext is the holder through which a print engine reaches
// its one CConfig; the CConfig is made (and the file read) on the first getConfig.
#include <cstdint>
#include <memory>

#include "common/text/text.h"

namespace pillora {

class CConfig {
 public:
  // Sets the defaults, then reads the settings file when there is one.
  CConfig();

  float 多藥一袋藥品行高() const { return m_lineHeight; }
  void 多藥一袋藥品行高(float vData) { m_lineHeight = vData; }
  const Text& 字型名稱() const { return m_fontName; }
  void 字型名稱(Text vData) { m_fontName = std::move(vData); }
  std::int16_t 字型Size() const { return m_fontSize; }
  void 字型Size(std::int16_t vData) { m_fontSize = vData; }
  std::int16_t 多藥一袋單頁藥數() const { return m_drugsPerPage; }
  void 多藥一袋單頁藥數(std::int16_t vData) { m_drugsPerPage = vData; }

 private:
  void loadDrugBagConfig();

  std::int16_t m_drugsPerPage = 5;
  float m_lineHeight = 1.5F;
  std::int16_t m_fontSize = 14;
  Text m_fontName = u"標楷體";
};

class CContext {
 public:
  // The context's configuration, made and read on the first call. A settings file that
  // exists but cannot be read counts as missing: every setting keeps its default.
  CConfig& getConfig();

 private:
  std::unique_ptr<CConfig> m_config;
};

}  // namespace pillora
