#pragma once
// Rimora's folder as the host application leaves it in the per-user settings, for the tests
// of the update actions: RimoraStartupPath in the section Options of the application Rimora,
// beside a value of the same name in another section that must not be taken for it. Written
// into the registry on Windows, into the INI file of a scratch configuration folder
// elsewhere; none of it stays after the test.
//
// class RimoraSetting {
//  public:
//   explicit RimoraSetting(const std::filesystem::path& scratch);  // a test's scratch folder
//   void set(const Text& folder) const;  // empty text: the value is there but empty
//   void remove() const;                 // no settings of Rimora's at all
//   void damage() const;                 // the value there but unreadable as text
// };
#ifdef _WIN32
#include "tests/support/rimora_setting_registry.h"
#else
#include "tests/support/rimora_setting_ini.h"
#endif
