#pragma once
// Limits the running process puts on itself before it reads untrusted files.

#include <cstdint>

namespace pillora {

// At most addressSpace bytes of memory and cpuSeconds of processor time from now on; past
// them allocations fail and the process is stopped. Built with AddressSanitizer, memory is
// not limited: its shadow memory alone reserves far more address space.
void limitResources(std::uint64_t addressSpace, unsigned int cpuSeconds);

}  // namespace pillora
