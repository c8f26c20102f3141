#pragma once
// The one command line a Windows program is started with: the program's path in quotes,
// then each argument written so that the started program's run-time (CommandLineToArgvW's
// rules) reads it back unchanged.
#include <filesystem>
#include <string>
#include <vector>

namespace pillora {

std::wstring windowsCommandLine(const std::filesystem::path& program,
                                const std::vector<std::filesystem::path>& arguments);

}  // namespace pillora
