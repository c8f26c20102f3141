// The Win32 test window under Wine on a display of its own (tests/windows/own_prefix.sh
// --display), printing on a PostScript printer that writes each document to a file. The window in
// this process, clicked as a user clicks it; the real program pillora-testform.exe
// (PILLORA_TESTFORM_EXE) in a child process for what ends it.
#include "pillora/testform/form1_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "platform/files/wide_text.h"
#include "platform/print/installed_printers.h"
#include "tests/support/awaited.h"
#include "tests/support/log_lines.h"
#include "tests/support/scoped_environment.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_text.h"

namespace pillora::testing {
namespace {

// What one click prints: the single-drug bag's texts, the pharmacist's name among them.
constexpr std::size_t kTextsOfOneBag = 28;
const std::string kPharmacist = textAt(3.2, 10.7, "標楷體", "12", "藥師名");
// The printer filePrinterPort() installs.
constexpr const wchar_t* kFilePrinter = L"Bag Printer 1";

std::filesystem::path fromEnvironment(const wchar_t* name) {
  const wchar_t* value = _wgetenv(name);
  return value != nullptr ? std::filesystem::path(value) : std::filesystem::path();
}

std::size_t countOf(const std::vector<std::string>& lines, const std::string& wanted) {
  return static_cast<std::size_t>(std::count(lines.begin(), lines.end(), wanted));
}

// The printer's port file once it holds a whole PostScript document.
std::optional<std::string> printedDocument(const std::filesystem::path& port) {
  std::ifstream in(port, std::ios::binary);
  std::string document(std::istreambuf_iterator<char>(in), {});
  if (document.find("%%EOF") == std::string::npos) return std::nullopt;
  return document;
}

// A program running in a child process (the one the environment variable names); ended when
// still running at the end.
class ChildProgram {
 public:
  ChildProgram(const wchar_t* variable, const std::wstring& arguments) {
    const std::filesystem::path program = fromEnvironment(variable);
    std::wstring commandLine = L"\"" + program.wstring() + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       nullptr, &startup, &m_process) == 0) {
      ADD_FAILURE() << "cannot start " << program << " (error " << GetLastError() << ")";
    }
  }
  ~ChildProgram() {
    if (m_process.hProcess == nullptr) return;
    TerminateProcess(m_process.hProcess, 99);
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
  }
  ChildProgram(const ChildProgram&) = delete;
  ChildProgram& operator=(const ChildProgram&) = delete;

  // A top-level window of the program's, by class (any with none) and caption.
  HWND awaitWindow(const wchar_t* className, const wchar_t* caption) const {
    return awaited([this, className, caption] {
      HWND window = nullptr;
      while ((window = FindWindowExW(nullptr, window, className, caption)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == m_process.dwProcessId) return window;
      }
      return HWND{};
    });
  }

  // The exit status once the program has ended; nothing when it runs on for half a minute.
  std::optional<DWORD> exitStatus() const {
    DWORD status = STILL_ACTIVE;
    if (WaitForSingleObject(m_process.hProcess, 30000) != WAIT_OBJECT_0 ||
        GetExitCodeProcess(m_process.hProcess, &status) == 0) {
      return std::nullopt;
    }
    return status;
  }

 private:
  PROCESS_INFORMATION m_process{};
};

// The printer "Bag Printer 1" (tests/services/wine/add_file_printer, PILLORA_FILE_PRINTER_TOOL)
// writing each document to a file of a scratch folder: the file. Installed once a run.
const std::filesystem::path& filePrinterPort() {
  static const ScratchFolder folder;
  static const std::filesystem::path port = [] {
    const std::filesystem::path file = folder.folder() / "bag.ps";
    const ChildProgram tool(L"PILLORA_FILE_PRINTER_TOOL",
                            L"\"" + std::wstring(kFilePrinter) + L"\" \"" + file.wstring() + L"\"");
    EXPECT_EQ(tool.exitStatus(), 0U);
    return file;
  }();
  return port;
}

// The user's default printer, as Windows keeps it in the registry ("<name>,winspool,<port>");
// with no name none.
void setDefaultPrinter(const std::optional<std::wstring>& name) {
  constexpr const wchar_t* kKey = L"Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows";
  if (!name) {
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kKey, L"Device");
    return;
  }
  const std::wstring device = *name + L",winspool,Ne00:";
  RegSetKeyValueW(HKEY_CURRENT_USER, kKey, L"Device", REG_SZ, device.c_str(),
                  static_cast<DWORD>((device.size() + 1) * sizeof(wchar_t)));
}

TEST(Form1Window, EachClickOfCommand1PrintsOneBagNamedForm1OnTheDefaultPrinter) {
  const TempProgramFolder folder;
  const ScopedEnvironment log("PILLORA_PRINT_LOG", folder.file("print.log"));
  const std::filesystem::path& port = filePrinterPort();
  setDefaultPrinter(kFilePrinter);
  const std::unique_ptr<Printers> printers = installedPrinters();
  RunState run;
  const std::unique_ptr<Form1> form = makeTestWindow(*printers, run);
  ShowWindow(form->window(), SW_SHOWNOACTIVATE);
  EXPECT_EQ(windowText(form->window()), L"Form1");
  const HWND command1 = FindWindowExW(form->window(), nullptr, L"Button", L"Command1");
  ASSERT_NE(command1, nullptr);
  for (std::size_t click = 1; click <= 2; ++click) {
    SCOPED_TRACE("click " + std::to_string(click));
    std::filesystem::remove(port);
    SendMessageW(command1, BM_CLICK, 0, 0);
    const std::vector<std::string> lines = logFileLines(folder.file("print.log"));
    EXPECT_EQ(drawnTexts(lines).size(), kTextsOfOneBag * click);
    EXPECT_EQ(countOf(lines, kPharmacist), click);
    // Each click is one document of its own on the printer, named after the window.
    const std::optional<std::string> document = awaited([&port] { return printedDocument(port); });
    ASSERT_TRUE(document.has_value());
    EXPECT_NE(document->find("%%Title: Form1\n"), std::string::npos);
    EXPECT_NE(document->find("%%Pages: 1\n"), std::string::npos);
  }
}

// The last line of the program's job log in %LOCALAPPDATA%\Pillora, as Windows names the
// folder to this process.
std::string lastJobLogLine() {
  const wchar_t* localAppData = _wgetenv(L"LOCALAPPDATA");
  if (localAppData == nullptr) return {};
  const std::vector<std::string> lines =
      logFileLines(std::filesystem::path(localAppData) / L"Pillora" / L"pillora-testform.log");
  return lines.empty() ? std::string() : lines.back();
}

// The real program, Command1 clicked once: a print that fails shows its message in a box
// titled "pillora-testform" and, once the box is answered, the program ends with status 1;
// after one that prints the window stays until it is closed (status 0). Either way the run's
// line in the job log holds the status, and the message of a failure.
TEST(Form1Program, AFailedClickShowsItsMessageAndEndsTheProgramWithStatus1) {
  struct Case {
    const char* name;
    std::optional<std::wstring> defaultPrinter;  // nothing for none
    std::optional<std::wstring> box;             // the start of the box's text
    DWORD status;
    std::size_t texts;  // in the print log
  };
  const std::vector<Case> cases{
      {"the default printer prints", kFilePrinter, std::nullopt, 0, kTextsOfOneBag},
      {"the default printer is gone", L"No Such Printer 藥袋",
       L"CreateDCW failed on the printer No Such Printer 藥袋", 1, 1},
      {"Windows has no default printer", std::nullopt,
       L"no printer to print on: none was chosen and Windows has no default", 1, 1},
  };
  for (const Case& each : cases) {
    SCOPED_TRACE(each.name);
    const TempProgramFolder folder;
    const ScopedEnvironment log("PILLORA_PRINT_LOG", folder.file("print.log"));
    filePrinterPort();
    setDefaultPrinter(each.defaultPrinter);
    const ChildProgram program(L"PILLORA_TESTFORM_EXE", L"");
    const HWND form = program.awaitWindow(nullptr, L"Form1");
    ASSERT_NE(form, nullptr);
    // The window is there before its button is.
    const HWND command1 =
        awaited([form] { return FindWindowExW(form, nullptr, L"Button", L"Command1"); });
    ASSERT_NE(command1, nullptr);
    // Posted, not sent: a failing click waits in its box until the box is answered.
    PostMessageW(command1, BM_CLICK, 0, 0);
    if (each.box) {
      const HWND box = program.awaitWindow(L"#32770", L"pillora-testform");
      ASSERT_NE(box, nullptr);
      const std::wstring shown = messageBoxText(box);
      EXPECT_EQ(shown.rfind(L"pillora-testform|" + *each.box, 0), 0U) << toUtf8(textOf(shown));
      PostMessageW(box, WM_COMMAND, IDOK, 0);
    } else {
      PostMessageW(form, WM_CLOSE, 0, 0);
    }
    EXPECT_EQ(program.exitStatus(), each.status);
    EXPECT_EQ(drawnTexts(logFileLines(folder.file("print.log"))).size(), each.texts);
    const std::string line = lastJobLogLine() + "\t";
    EXPECT_NE(line.find("\tstatus=" + std::to_string(each.status) + "\t"), std::string::npos)
        << line;
    if (each.box) {
      EXPECT_NE(line.find("\tmessage=" + toUtf8(textOf(*each.box))), std::string::npos) << line;
    }
  }
}

}  // namespace
}  // namespace pillora::testing
