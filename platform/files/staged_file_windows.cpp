// Staged files on Windows: the temporary file is made with CREATE_NEW, and the final name is
// claimed by a move that fails when a file of that name exists, so nothing is overwritten.
#include <windows.h>

#include <algorithm>
#include <string>

#include "common/text/errors.h"
#include "common/text/text.h"
#include "platform/files/staged_file.h"
#include "platform/files/windows_error.h"

namespace pillora {

namespace {

// Temporary names already taken (by a crashed earlier run) are skipped up to this many.
constexpr int kTemporaryNameTries = 100;

[[noreturn]] void cannotWrite(const std::filesystem::path& path, DWORD error) {
  throw FileError("cannot write " + pathToUtf8(path) + ": " + windowsError(error));
}

// A new file beside `path` named after it, open for writing; INVALID_HANDLE_VALUE with the
// last error set on failure.
HANDLE createTemporary(const std::filesystem::path& path, std::filesystem::path& temporary) {
  static unsigned counter = 0;
  for (int tries = 0; tries < kTemporaryNameTries; ++tries) {
    temporary = path;
    temporary.replace_filename(L"." + path.filename().wstring() + L".tmp-" +
                               std::to_wstring(GetCurrentProcessId()) + L"-" +
                               std::to_wstring(++counter));
    const HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) {
      return file;
    }
  }
  return INVALID_HANDLE_VALUE;
}

// Writes all the bytes and closes the file: 0, else the error number.
DWORD writeAndClose(HANDLE file, const std::string& bytes) {
  DWORD error = 0;
  for (std::size_t done = 0; done < bytes.size() && error == 0;) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1U << 30));
    DWORD written = 0;
    if (WriteFile(file, bytes.data() + done, chunk, &written, nullptr) == 0 || written == 0) {
      error = GetLastError() != 0 ? GetLastError() : ERROR_WRITE_FAULT;
    }
    done += written;
  }
  if (error == 0 && FlushFileBuffers(file) == 0) {
    error = GetLastError();
  }
  if (CloseHandle(file) == 0 && error == 0) {
    error = GetLastError();
  }
  return error;
}

}  // namespace

StagedFile::StagedFile(const std::filesystem::path& path, const std::string& bytes,
                       Access /*access*/) {
  const HANDLE file = createTemporary(path, m_temporary);
  const DWORD error = file == INVALID_HANDLE_VALUE ? GetLastError() : writeAndClose(file, bytes);
  if (error != 0) {
    if (file != INVALID_HANDLE_VALUE) {
      DeleteFileW(m_temporary.c_str());
    }
    m_temporary.clear();
    cannotWrite(path, error);
  }
}

StagedFile::~StagedFile() {
  if (!m_temporary.empty()) {
    DeleteFileW(m_temporary.c_str());
  }
}

bool StagedFile::moveToNewName(const std::filesystem::path& path) {
  // Without MOVEFILE_REPLACE_EXISTING the move fails when the name is taken: the name is
  // claimed in one step, even against another program making the same name.
  if (MoveFileExW(m_temporary.c_str(), path.c_str(), 0) == 0) {
    const DWORD error = GetLastError();
    if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS) {
      return false;
    }
    cannotWrite(path, error);
  }
  m_temporary.clear();
  return true;
}

void StagedFile::moveReplacing(const std::filesystem::path& path) {
  if (MoveFileExW(m_temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING) == 0) {
    cannotWrite(path, GetLastError());
  }
  m_temporary.clear();
}

}  // namespace pillora
