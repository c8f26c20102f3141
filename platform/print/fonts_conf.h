#pragma once
// The project's fontconfig file pillora-fonts.conf, which maps the Windows font names of
// the system ("標楷體", "微軟正黑體") to installed fonts. It is looked for beside the program
// (in the program folder that the override variable may name), else in the source tree,
// compiled in, so that programs and tests run from the build tree find it too.
#include <fontconfig/fontconfig.h>

#include <string>
#include <string_view>

namespace pillora {

// The file's path; empty when there is none. overrideVariable: PILLORA_HOME, VELSOR_HOME.
std::string fontsConfFile(const char* overrideVariable = "PILLORA_HOME");

// A new fontconfig set-up: the project's file, then the system's own. When the project's
// file is nowhere to be found one warning, "<programName>: ...", goes to standard error.
FcConfig* loadFontConfig(const char* overrideVariable, std::string_view programName);

// The same set-up made the process's current one, so that a window toolkit that takes
// fontconfig's current set-up (Qt) finds the mapped names. Call before the toolkit starts.
void makeProjectFontsCurrent(const char* overrideVariable, std::string_view programName);

}  // namespace pillora
