#pragma once
// Where the update actions read from and write to: the service pack's own folder (the
// payload files sit beside the update program) and the host application Rimora's folder.
#include <filesystem>

namespace pillora {

// The update program's folder; VELSOR_HOME names another.
std::filesystem::path updateProgramFolder();

// Rimora's folder: "RimoraStartupPath" of section "Options" of application "Rimora" in the
// per-user settings. FileError when it is absent or empty (nothing may then be written:
// the targets would lie at the root of the file system) or cannot be read.
std::filesystem::path rimoraFolder();

}  // namespace pillora
