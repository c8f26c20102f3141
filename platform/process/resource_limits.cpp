#include "platform/process/resource_limits.h"

#include <sys/resource.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "common/text/errors.h"

namespace pillora {

namespace {

void setLimit(int resource, rlim_t value, const char* what) {
  const rlimit limit{value, value};
  if (setrlimit(resource, &limit) != 0) {
    throw FileError(std::string("cannot limit ") + what + ": " + std::strerror(errno));
  }
}

}  // namespace

void limitResources(std::uint64_t addressSpace, unsigned int cpuSeconds) {
#ifndef PILLORA_ADDRESS_SANITIZER
  setLimit(RLIMIT_AS, addressSpace, "the memory");
#else
  static_cast<void>(addressSpace);
#endif
  setLimit(RLIMIT_CPU, cpuSeconds, "the processor time");
}

}  // namespace pillora
