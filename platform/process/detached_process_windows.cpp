// A detached start through CreateProcessW: the program gets a console of its own (a batch
// file's shows minimized), inherits no handles, and is not waited for.
#include <windows.h>

#include <string>

#include "common/text/convert.h"
#include "common/text/errors.h"
#include "platform/files/windows_error.h"
#include "platform/process/detached_process.h"
#include "platform/process/windows_command_line.h"

namespace pillora {

void startDetached(const std::filesystem::path& program,
                   const std::vector<std::filesystem::path>& arguments) {
  std::wstring line = windowsCommandLine(program, arguments);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWMINIMIZED;
  PROCESS_INFORMATION process{};
  if (CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE,
                     nullptr, nullptr, &startup, &process) == 0) {
    throw FileError("cannot start " + toUtf8(program.u16string()) + ": " + windowsError());
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

}  // namespace pillora
