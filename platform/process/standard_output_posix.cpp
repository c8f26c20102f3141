#include "platform/process/standard_output.h"

namespace pillora {

void writeStandardOutputUnchanged() {}

}  // namespace pillora
