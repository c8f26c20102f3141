#pragma once
// An environment variable set (or, with no value, removed) while the object lives; the
// earlier value comes back afterwards.
#include <cstdlib>
#include <optional>
#include <string>

namespace pillora::testing {

// Sets (or, with no value, removes) an environment variable while the object lives.
class ScopedEnvironment {
 public:
  ScopedEnvironment(std::string name, const std::optional<std::string>& value)
      : m_name(std::move(name)) {
    if (const char* old = std::getenv(m_name.c_str())) {
      m_old = old;
    }
    value ? setenv(m_name.c_str(), value->c_str(), 1) : unsetenv(m_name.c_str());
  }
  ~ScopedEnvironment() {
    m_old ? setenv(m_name.c_str(), m_old->c_str(), 1) : unsetenv(m_name.c_str());
  }
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  std::string m_name;
  std::optional<std::string> m_old;
};

}  // namespace pillora::testing
