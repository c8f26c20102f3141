#pragma once
// The self-deleting script the page writes after an action: it waits until the update
// program's file can be deleted (the program has ended), deletes it, then itself.
#include <vector>

#include "common/text/text.h"

namespace pillora {

// folder + separator + name, every doubled separator then made single (a program folder at
// the root, "C:\" or "/", gives "C:\destroy.bat" or "/destroy.sh").
Text getAppFilePath(TextView folder, TextView name, char16_t separator);

// The 14 lines of "destroy.bat" (written with CR LF in code page 950 on Windows).
std::vector<Text> destroyBatLines(TextView target, TextView script);

// The same steps as "destroy.sh" for /bin/sh (UTF-8, LF). A file that cannot be deleted at
// all is given up after a minute instead of being waited for forever.
std::vector<Text> destroyShLines(TextView target, TextView script);

// The script as one system has it: its file name, the separator its paths are joined with,
// and its lines for a target and the script's own path.
struct ScriptForm {
  TextView fileName;
  char16_t separator;
  std::vector<Text> (*lines)(TextView target, TextView script);
};

inline constexpr ScriptForm kBatchScript{u"destroy.bat", u'\\', destroyBatLines};
inline constexpr ScriptForm kShellScript{u"destroy.sh", u'/', destroyShLines};

}  // namespace pillora
