// The per-user settings in the registry, where the host application's run-time keeps them.
#include <windows.h>

#include <string>

#include "common/text/convert.h"
#include "common/text/errors.h"
#include "platform/files/wide_text.h"
#include "platform/files/windows_error.h"
#include "platform/settings/settings_store.h"

namespace pillora {

namespace {

std::wstring settingsKey(TextView application, TextView section) {
  return L"Software\\VB and VBA Program Settings\\" + wideOf(application) + L"\\" + wideOf(section);
}

bool absent(LSTATUS status) {
  return status == ERROR_FILE_NOT_FOUND || status == ERROR_PATH_NOT_FOUND;
}

// RegGetValueW answers the size in bytes, the terminating NUL included; a value that grows
// between the two calls is asked for again.
LSTATUS readString(const std::wstring& key, const std::wstring& name, std::wstring& value) {
  DWORD bytes = 0;
  LSTATUS status = RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name.c_str(), RRF_RT_REG_SZ,
                                nullptr, nullptr, &bytes);
  while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
    value.assign(bytes / sizeof(wchar_t), L'\0');
    status = RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr,
                          value.data(), &bytes);
    if (status == ERROR_SUCCESS) {
      value.resize(bytes / sizeof(wchar_t));
      while (!value.empty() && value.back() == L'\0') value.pop_back();
      return status;
    }
  }
  return status;
}

}  // namespace

Text getSetting(TextView application, TextView section, TextView key) {
  std::wstring value;
  const LSTATUS status = readString(settingsKey(application, section), wideOf(key), value);
  if (absent(status)) return {};
  if (status != ERROR_SUCCESS) {
    throw FileError("cannot read the setting " + toUtf8(Text(key)) + ": " +
                    windowsError(static_cast<DWORD>(status)));
  }
  return textOf(value);
}

}  // namespace pillora
