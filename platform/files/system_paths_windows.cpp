// Where the program runs, as Windows tells it: the executable's full path and the
// environment, both in UTF-16.
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "common/text/text.h"
#include "platform/files/files.h"

namespace fs = std::filesystem;

namespace pillora {

fs::path executableFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return fs::current_path();
    if (length < path.size()) {
      path.resize(length);
      return fs::path(path).parent_path();
    }
    path.resize(path.size() * 2);  // the path was cut short: ask again with more room
  }
}

std::string environmentValue(const char* name) {
  const std::wstring wideName(name, name + std::char_traits<char>::length(name));
  const wchar_t* value = _wgetenv(wideName.c_str());
  if (value == nullptr) return {};
  const std::wstring_view wide(value);
  return toUtf8(TextView(reinterpret_cast<const char16_t*>(wide.data()), wide.size()));
}

}  // namespace pillora
