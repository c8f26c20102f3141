#pragma once
// An environment variable set (or, with no value, removed) while the object lives; the
// earlier value comes back afterwards.
#include <cstdlib>
#include <optional>
#include <string>

#include "common/text/text.h"

namespace pillora::testing {

// Sets the variable, or with no value removes it. On Windows the name and value go in as
// UTF-16, as the programs read them.
inline void setEnvironment(const std::string& name, const std::optional<std::string>& value) {
#ifdef _WIN32
  const auto wide = [](const std::string& utf8) {
    const Text text = fromUtf8(utf8);
    return std::wstring(text.begin(), text.end());
  };
  _wputenv_s(wide(name).c_str(), wide(value.value_or("")).c_str());
#else
  value ? setenv(name.c_str(), value->c_str(), 1) : unsetenv(name.c_str());
#endif
}

// Sets (or, with no value, removes) an environment variable while the object lives.
class ScopedEnvironment {
 public:
  ScopedEnvironment(std::string name, const std::optional<std::string>& value)
      : m_name(std::move(name)) {
    if (const char* old = std::getenv(m_name.c_str())) {
      m_old = old;
    }
    setEnvironment(m_name, value);
  }
  ~ScopedEnvironment() { setEnvironment(m_name, m_old); }
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  std::string m_name;
  std::optional<std::string> m_old;
};

}  // namespace pillora::testing
