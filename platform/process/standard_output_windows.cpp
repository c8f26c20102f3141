#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <iostream>

#include "platform/process/standard_output.h"

namespace pillora {

void writeStandardOutputUnchanged() {
  std::cout.flush();
  _setmode(_fileno(stdout), _O_BINARY);
}

}  // namespace pillora
