#pragma once
// Where Linux keeps the per-user settings: one INI file per application,
// ${XDG_CONFIG_HOME:-$HOME/.config}/<application>/settings.ini, UTF-8, "[<section>]" lines
// and "key=value" lines; the value is the rest of its line after the first "=", as written.
#include <filesystem>
#include <optional>

#include "common/text/text.h"

namespace pillora {

// The settings file of an application; nothing when neither XDG_CONFIG_HOME nor HOME names
// an absolute folder.
std::optional<std::filesystem::path> settingsFile(TextView application);

}  // namespace pillora
