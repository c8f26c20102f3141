// Starts a program the way the host application does: with one command line, exactly as
// written (the line's UTF-8 text in a file), and waits for it. The exit status is the
// program's; 120 when it cannot be started.
//   host_launch.exe LINE_FILE
#include <windows.h>

#include <exception>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

namespace {

std::wstring utf16Of(const std::string& utf8) {
  const int size = static_cast<int>(utf8.size());
  std::wstring wide(
      static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0)),
      L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), static_cast<int>(wide.size()));
  return wide;
}

int launch(const wchar_t* lineFile) {
  std::ifstream file(lineFile, std::ios::binary);
  std::wstring line = utf16Of(std::string(std::istreambuf_iterator<char>(file), {}));
  // The program's messages come to this program's output, console program or not.
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION process{};
  if (!file || CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                              &startup, &process) == 0) {
    std::cerr << "host_launch: cannot start the command line (Windows error " << GetLastError()
              << ")\n";
    return 120;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD status = 120;
  GetExitCodeProcess(process.hProcess, &status);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return static_cast<int>(status);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  try {
    if (argc != 2) {
      std::cerr << "usage: host_launch LINE_FILE\n";
      return 2;
    }
    return launch(argv[1]);
  } catch (const std::exception& error) {
    std::cerr << "host_launch: " << error.what() << "\n";
    return 120;
  }
}
