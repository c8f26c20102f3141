#pragma once
// The per-user application settings the host application writes and the wizard reads, by
// application, section and key. Windows keeps them in the registry, under
// HKEY_CURRENT_USER\Software\VB and VBA Program Settings\<application>\<section>, one
// string value per key; Linux in one INI file per application (settings_ini.h). Names are
// compared ignoring ASCII letter case, as the registry does.
#include "common/text/text.h"

namespace pillora {

// The value of a key; empty text when the application, the section or the key is absent.
// FileError when the value is there but cannot be read (on Linux also when the file is not
// UTF-8): a damaged store must not pass for a setting.
Text getSetting(TextView application, TextView section, TextView key);

}  // namespace pillora
