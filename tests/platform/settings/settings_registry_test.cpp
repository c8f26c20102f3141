#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/text/errors.h"
#include "platform/settings/settings_store.h"

namespace pillora::testing {
namespace {

// A scratch application's settings in the registry, removed with the object.
class RegistrySettings : public ::testing::Test {
 protected:
  static constexpr const wchar_t* kApplicationKey =
      L"Software\\VB and VBA Program Settings\\PilloraSettingsTest";

  void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, kApplicationKey); }
  void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kApplicationKey); }

  static void write(const std::wstring& section, const std::wstring& name, DWORD type,
                    const void* data, DWORD bytes) {
    const std::wstring key = std::wstring(kApplicationKey) + L"\\" + section;
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, key.c_str(), name.c_str(), type, data, bytes),
              ERROR_SUCCESS);
  }
  static void writeText(const std::wstring& section, const std::wstring& name,
                        const std::wstring& value) {
    write(section, name, REG_SZ, value.c_str(),
          static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  }
  static Text read(TextView section, TextView key) {
    return getSetting(u"PilloraSettingsTest", section, key);
  }
};

TEST_F(RegistrySettings, ReadsTheStringValueOfTheKeyInItsSection) {
  writeText(L"Options", L"RimoraStartupPath", L"C:\\藥局 系統\\Rimora 2");
  writeText(L"Options", L"Empty", L"");
  writeText(L"Other", L"RimoraStartupPath", L"C:\\other");
  struct Case {
    const char16_t* section;
    const char16_t* key;
    const char16_t* value;
  };
  const std::vector<Case> cases{
      {u"Options", u"RimoraStartupPath", u"C:\\藥局 系統\\Rimora 2"},
      {u"options", u"rimorastartuppath", u"C:\\藥局 系統\\Rimora 2"},
      {u"Other", u"RimoraStartupPath", u"C:\\other"},
      {u"Options", u"Empty", u""},
      {u"Options", u"Missing", u""},
      {u"Missing", u"RimoraStartupPath", u""},
  };
  for (const auto& each : cases) {
    SCOPED_TRACE(toUtf8(Text(each.section) + u"\\" + each.key));
    EXPECT_EQ(read(each.section, each.key), each.value);
  }
}

TEST_F(RegistrySettings, NoApplicationIsAnEmptyValueAndAValueOfAnotherTypeAFailure) {
  EXPECT_EQ(read(u"Options", u"RimoraStartupPath"), u"");
  const DWORD number = 7;
  write(L"Options", L"RimoraStartupPath", REG_DWORD, &number, sizeof number);
  EXPECT_THROW(read(u"Options", u"RimoraStartupPath"), FileError);
}

TEST_F(RegistrySettings, ALongValueComesBackWhole) {
  const std::wstring value(5000, L'藥');
  writeText(L"Options", L"Long", value);
  EXPECT_EQ(read(u"Options", u"Long"), Text(5000, u'藥'));
}

}  // namespace
}  // namespace pillora::testing
