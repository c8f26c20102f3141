// Where the program runs, as Windows tells it: the executable's full path and the
// environment, both in UTF-16.
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "common/text/text.h"
#include "platform/files/files.h"
#include "platform/files/wide_text.h"

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
  const wchar_t* value = _wgetenv(wideOf(fromUtf8(name)).c_str());
  return value == nullptr ? std::string() : toUtf8(textOf(value));
}

std::optional<Text> hostCommandLine() {
  return afterProgramName(textOf(GetCommandLineW()));
}

}  // namespace pillora
