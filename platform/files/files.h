#pragma once
// File-system services of the platform: the program's own folder, path joining and the
// existence tests the system makes. Paths are UTF-8 here; they reach the file system through
// pathFromUtf8 (common/text/text.h).
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/text/text.h"

namespace pillora {

// The folder that holds the running executable (no trailing separator). The environment
// variable named by overrideVariable (PILLORA_HOME, VELSOR_HOME), when set and not empty,
// names the folder instead. Asked anew at every call.
std::string programFolder(const char* overrideVariable);

// The folder that holds the running executable, whatever PILLORA_HOME says: the programs of
// an installation sit side by side.
std::filesystem::path executableFolder();

// The value of an environment variable as UTF-8; empty when it is not set.
std::string environmentValue(const char* name);

// The user's cache folder (Linux): XDG_CACHE_HOME when it names an absolute path, else ~/.cache;
// the system's temporary folder when neither is known.
std::filesystem::path userCacheFolder();

// folder + separator (the system's own: "/" on Linux, "\\" on Windows) + name; the name may
// start with a separator of either kind.
std::string joinPath(std::string_view folder, std::string_view name);

// The path of the ordinary file (not a folder) named `name` directly in `folder`, names
// compared ignoring ASCII letter case as on the pharmacies' file system; nothing when there
// is none. A folder that cannot be read counts as not holding the file.
std::optional<std::string> findOrdinaryFileIgnoreCase(const std::string& folder,
                                                      std::string_view name);

// The names of the ordinary files directly in `folder` (none when it cannot be read).
std::vector<std::string> ordinaryFileNames(const std::string& folder);

// The entry of `names` that is `name` ignoring ASCII letter case (a leading separator of
// `name` ignored).
std::optional<std::string> findNameIgnoreCase(const std::vector<std::string>& names,
                                              std::string_view name);

// True when path names an ordinary file (exact name).
bool ordinaryFileExists(const std::string& path);

// Why the ordinary file at path cannot be read, in the system's words ("No such file or
// directory", "Is a directory", "Permission denied"; a device, pipe or socket is no
// ordinary file); nothing when it can be opened for reading.
std::optional<std::string> unreadableFileReason(const std::string& path);

// The command line as the host application wrote it, after the program's own name
// (Windows: from GetCommandLineW); nothing where the platform hands a program only its
// separated arguments (Linux).
std::optional<Text> hostCommandLine();

// A Windows command line without the program's name, found as Windows finds it: up to the
// closing quote when the line starts with a quote, else up to the first blank or TAB. The
// spaces that follow the name go too; the rest stays as it was written, quotes and TABs
// included (a TAB right after the name is the empty job path's end).
Text afterProgramName(TextView commandLine);

// The system's temporary folder.
std::string temporaryFolder();

}  // namespace pillora
