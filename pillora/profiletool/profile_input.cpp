#include "pillora/profiletool/profile_input.h"

#include "common/text/errors.h"
#include "common/text/textfile.h"
#include "platform/files/files.h"

namespace pillora {

std::string readProfileInput(const std::string& path) {
  if (const auto problem = unreadableFileReason(path)) {
    throw FileError("cannot read " + path + ": " + *problem);
  }
  return readFileBytes(path, kProfileInputMost);
}

}  // namespace pillora
