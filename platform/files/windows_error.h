#pragma once
// How the programs name a failed Windows call's error in their messages.
#include <windows.h>

#include <cstdint>
#include <string>

#include "common/text/convert.h"

namespace pillora {

// "Windows error <code>", the calling thread's last error unless another is given.
inline std::string windowsError(DWORD error = GetLastError()) {
  return "Windows error " + decimal(static_cast<std::int64_t>(error));
}

}  // namespace pillora
