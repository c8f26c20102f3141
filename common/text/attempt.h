#pragma once
// Statement-by-statement failure handling: a step that fails with one of the system's own
// errors is skipped and the caller goes on with its next step. Anything else (a logic
// fault, memory exhaustion) still propagates.
#include "common/text/errors.h"

namespace pillora {

template <typename Step>
bool attempt(Step&& step) {
  try {
    step();
    return true;
  } catch (const AppError&) {
    return false;
  }
}

}  // namespace pillora
