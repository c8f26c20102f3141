#pragma once
// What `pillora --help` writes: the command line, the print options, the environment, the
// files of the program folder and the exit statuses.
#include <string_view>

namespace pillora {

extern const std::string_view kProgramHelp;

}  // namespace pillora
