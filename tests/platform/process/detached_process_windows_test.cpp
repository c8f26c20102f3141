#include <windows.h>

#include <gtest/gtest.h>
#include <shellapi.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>
#include <vector>

#include "common/text/errors.h"
#include "platform/process/detached_process.h"
#include "platform/process/windows_command_line.h"
#include "tests/support/scratch_folder.h"

namespace pillora::testing {
namespace {

// The words the started program's run-time reads from the command line.
std::vector<std::wstring> wordsOf(const std::wstring& line) {
  int count = 0;
  wchar_t** words = CommandLineToArgvW(line.c_str(), &count);
  std::vector<std::wstring> result(words, words + count);
  LocalFree(static_cast<HLOCAL>(words));
  return result;
}

TEST(WindowsCommandLine, EveryArgumentIsReadBackAsItWas) {
  const std::vector<std::wstring> arguments{
      L"plain",           L"two words",      L"",
      L"say \"hi\"",      L"C:\\trailing\\", L"C:\\with blank\\",
      L"back\\\\\"slash", L"\t藥局\t",       L"a\\b"};
  const std::filesystem::path program = L"C:\\Program Files (x86)\\藥局\\rimora.exe";
  const std::vector<std::filesystem::path> paths(arguments.begin(), arguments.end());
  std::vector<std::wstring> expected{program.wstring()};
  expected.insert(expected.end(), arguments.begin(), arguments.end());
  EXPECT_EQ(wordsOf(windowsCommandLine(program, paths)), expected);
  EXPECT_EQ(windowsCommandLine(L"C:\\a.exe", {L"Rimora"}), L"\"C:\\a.exe\" Rimora");
}

TEST(DetachedProcess, ABatchFileRunsOnItsOwnByItsFullPath) {
  const ScratchFolder scratch;
  const std::filesystem::path folder = scratch.folder() / "service pack";
  std::filesystem::create_directory(folder);
  std::ofstream(folder / "write.bat", std::ios::binary)
      << "@echo off\r\necho %~1>\"%~dp0done.txt\"\r\n";
  startDetached(folder / "write.bat", {"two words"});
  const std::filesystem::path done = folder / "done.txt";
  std::string text;
  for (int i = 0; i < 200 && text.empty(); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    std::ifstream file(done, std::ios::binary);
    text.assign(std::istreambuf_iterator<char>(file), {});
  }
  EXPECT_EQ(text, "two words\r\n");
  EXPECT_THROW(startDetached(folder / "missing.exe", {}), FileError);
}

}  // namespace
}  // namespace pillora::testing
