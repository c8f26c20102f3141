#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <iostream>
#include <sstream>

#include "common/text/text.h"
#include "platform/files/wide_text.h"
#include "platform/process/standard_output.h"

namespace pillora {

namespace {

bool hasStandardOutput() {
  const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  return out != nullptr && out != INVALID_HANDLE_VALUE && GetFileType(out) != FILE_TYPE_UNKNOWN;
}

}  // namespace

int answerThrough(const std::string& title, const std::function<int(std::ostream&)>& answer) {
  if (hasStandardOutput()) return answer(std::cout);
  std::ostringstream gathered;
  const int status = answer(gathered);
  if (!gathered.str().empty()) {
    MessageBoxW(nullptr, wideOf(fromUtf8(gathered.str())).c_str(), wideOf(fromUtf8(title)).c_str(),
                MB_OK | MB_ICONINFORMATION);
  }
  return status;
}

void writeStandardOutputUnchanged() {
  std::cout.flush();
  _setmode(_fileno(stdout), _O_BINARY);
}

}  // namespace pillora
