#pragma once
// Rimora's folder in the INI file of a scratch configuration folder named by XDG_CONFIG_HOME
// (rimora_setting.h).
#include <filesystem>
#include <string>

#include "common/text/text.h"
#include "tests/support/file_bytes.h"
#include "tests/support/scoped_environment.h"

namespace pillora::testing {

class RimoraSetting {
 public:
  explicit RimoraSetting(const std::filesystem::path& scratch) : m_config(scratch / "config") {}

  void set(const Text& folder) const { write(toUtf8(folder)); }
  void remove() const { std::filesystem::remove_all(m_config); }
  // Bytes that are not UTF-8.
  void damage() const { write("C:\\Rimora\xff\xfe"); }

 private:
  void write(const std::string& value) const {
    writeBytes(
        m_config / "Rimora/settings.ini",
        "[Other]\nRimoraStartupPath=/elsewhere\n[Options]\nRimoraStartupPath=" + value + "\n");
  }

  std::filesystem::path m_config;
  ScopedEnvironment m_variable{"XDG_CONFIG_HOME", m_config.string()};
};

}  // namespace pillora::testing
