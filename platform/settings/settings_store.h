#pragma once
// The per-user application settings the host application writes and the wizard reads: one
// INI file per application, ${XDG_CONFIG_HOME:-$HOME/.config}/<application>/settings.ini,
// UTF-8, "[<section>]" lines and "key=value" lines. Section and key names are compared
// ignoring ASCII letter case, as the registry does on the pharmacies' systems.
#include <filesystem>
#include <optional>

#include "common/text/text.h"

namespace pillora {

// The settings file of an application; nothing when neither XDG_CONFIG_HOME nor HOME names
// an absolute folder.
std::optional<std::filesystem::path> settingsFile(TextView application);

// The value of a key; empty text when the file, the section or the key is absent. The value
// is the rest of its line after the first "=", as written. FileError when the file exists
// but cannot be read or is not UTF-8: a damaged file must not pass for a setting.
Text getSetting(TextView application, TextView section, TextView key);

}  // namespace pillora
