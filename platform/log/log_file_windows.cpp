// The job log on Windows: one named mutex per log keeps the size check, the renaming and the
// write of one run apart from another's; the line is appended with one WriteFile.
#include <windows.h>

#include <functional>
#include <string>

#include "common/text/errors.h"
#include "platform/files/wide_text.h"
#include "platform/files/windows_error.h"
#include "platform/log/log_folder.h"
#include "platform/log/run_log.h"

namespace fs = std::filesystem;

namespace pillora {

namespace {

[[noreturn]] void cannotWrite(const fs::path& log, DWORD error) {
  throw FileError("cannot write the job log " + pathToUtf8(log) + ": " + windowsError(error));
}

class Handle {
 public:
  explicit Handle(HANDLE handle) : m_handle(handle) {}
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  ~Handle() {
    if (m_handle != nullptr && m_handle != INVALID_HANDLE_VALUE) CloseHandle(m_handle);
  }
  HANDLE get() const { return m_handle; }
  bool valid() const { return m_handle != nullptr && m_handle != INVALID_HANDLE_VALUE; }

 private:
  HANDLE m_handle;
};

// Held while one run writes the log; the name is made from the log's path.
class LogMutex {
 public:
  explicit LogMutex(const fs::path& log)
      : m_mutex(CreateMutexW(nullptr, FALSE, mutexName(log).c_str())) {
    if (!m_mutex.valid()) cannotWrite(log, GetLastError());
    const DWORD waited = WaitForSingleObject(m_mutex.get(), INFINITE);
    if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) cannotWrite(log, GetLastError());
  }
  LogMutex(const LogMutex&) = delete;
  LogMutex& operator=(const LogMutex&) = delete;
  ~LogMutex() { ReleaseMutex(m_mutex.get()); }

 private:
  static std::wstring mutexName(const fs::path& log) {
    return L"Local\\PilloraLog-" + std::to_wstring(std::hash<std::wstring>()(log.wstring()));
  }
  Handle m_mutex;
};

}  // namespace

fs::path userLogFolder() {
  const wchar_t* local = _wgetenv(L"LOCALAPPDATA");
  return fs::path(local != nullptr && *local != L'\0' ? local : L".") / L"Pillora";
}

long currentProcessId() {
  return static_cast<long>(GetCurrentProcessId());
}

void appendLogLine(const fs::path& log, const std::string& line) {
  std::error_code ignored;
  fs::create_directories(log.parent_path(), ignored);  // a folder that cannot be made shows next
  const LogMutex held(log);
  WIN32_FILE_ATTRIBUTE_DATA attributes{};
  if (GetFileAttributesExW(log.c_str(), GetFileExInfoStandard, &attributes) != 0 &&
      ((std::uintmax_t{attributes.nFileSizeHigh} << 32) | attributes.nFileSizeLow) >=
          kRunLogRotateAt) {
    fs::path older = log;
    older += L".1";
    if (MoveFileExW(log.c_str(), older.c_str(), MOVEFILE_REPLACE_EXISTING) == 0) {
      cannotWrite(log, GetLastError());
    }
  }
  const Handle file(CreateFileW(log.c_str(), FILE_APPEND_DATA,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) cannotWrite(log, GetLastError());
  const std::string bytes = line + "\n";
  DWORD written = 0;
  if (WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ==
          0 ||
      written != bytes.size()) {
    cannotWrite(log, GetLastError());
  }
}

}  // namespace pillora
