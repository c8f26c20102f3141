#pragma once
// A locale whose decimal separator is the comma, made the process locale while the object
// lives, as a window toolkit does at start-up. scripts/setup --test generates it.
#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace pillora::testing {

#ifdef _WIN32
inline constexpr const char* kCommaDecimalLocale = "German_Germany.1252";
#else
inline constexpr const char* kCommaDecimalLocale = "de_DE.UTF-8";
#endif

class CommaDecimalLocale {
 public:
  CommaDecimalLocale() : m_old(std::setlocale(LC_ALL, nullptr)) {
    const bool set = std::setlocale(LC_ALL, kCommaDecimalLocale) != nullptr;
    EXPECT_TRUE(set) << kCommaDecimalLocale << " is not installed (scripts/setup --test makes it)";
  }
  ~CommaDecimalLocale() { std::setlocale(LC_ALL, m_old.c_str()); }
  CommaDecimalLocale(const CommaDecimalLocale&) = delete;
  CommaDecimalLocale& operator=(const CommaDecimalLocale&) = delete;

 private:
  std::string m_old;
};

}  // namespace pillora::testing
