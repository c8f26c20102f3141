#pragma once
// The programs' text as the Windows API takes it: UTF-16 in wchar_t (16 bits on Windows).
#include <string>
#include <string_view>

#include "common/text/text.h"

namespace pillora {

inline std::wstring wideOf(TextView text) {
  return {text.begin(), text.end()};
}

inline Text textOf(std::wstring_view wide) {
  return {wide.begin(), wide.end()};
}

}  // namespace pillora
