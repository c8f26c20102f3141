#pragma once
// Where the job logs live and who writes them, as the operating system tells it.
#include <filesystem>

namespace pillora {

// The user's folder of the programs' logs: ${XDG_STATE_HOME:-~/.local/state}/pillora on
// Linux (XDG_STATE_HOME counts when it is an absolute path), %LOCALAPPDATA%\Pillora on
// Windows. Not made here.
std::filesystem::path userLogFolder();

// This process's id.
long currentProcessId();

}  // namespace pillora
