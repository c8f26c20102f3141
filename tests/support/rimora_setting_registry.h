#pragma once
// Rimora's folder in the registry of the user running the test (rimora_setting.h). The test
// program runs in a Wine prefix of its own, so that nothing written here reaches the prefix
// the other tests start from.
#include <windows.h>

#include <filesystem>
#include <string>

#include "common/text/text.h"
#include "platform/files/wide_text.h"

namespace pillora::testing {

class RimoraSetting {
 public:
  explicit RimoraSetting(const std::filesystem::path& /*scratch*/) { remove(); }
  ~RimoraSetting() { remove(); }
  RimoraSetting(const RimoraSetting&) = delete;
  RimoraSetting& operator=(const RimoraSetting&) = delete;

  void set(const Text& folder) const {
    remove();
    write(L"Other", L"C:\\elsewhere");
    write(L"Options", wideOf(folder));
  }
  void remove() const { RegDeleteTreeW(HKEY_CURRENT_USER, kApplication); }
  // A number where the text should be.
  void damage() const {
    const DWORD number = 7;
    RegSetKeyValueW(HKEY_CURRENT_USER, (std::wstring(kApplication) + L"\\Options").c_str(), kValue,
                    REG_DWORD, &number, sizeof number);
  }

 private:
  static constexpr const wchar_t* kApplication = L"Software\\VB and VBA Program Settings\\Rimora";
  static constexpr const wchar_t* kValue = L"RimoraStartupPath";

  static void write(const std::wstring& section, const std::wstring& text) {
    RegSetKeyValueW(HKEY_CURRENT_USER, (std::wstring(kApplication) + L"\\" + section).c_str(),
                    kValue, REG_SZ, text.c_str(),
                    static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  }
};

}  // namespace pillora::testing
