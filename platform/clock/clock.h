#pragma once
// The time of day on the computer's clock, as the wizard shows start and end times.
#include "common/text/text.h"

namespace pillora {

// Local time as "hh:mm:ss", 24-hour.
Text timeOfDay();

}  // namespace pillora
