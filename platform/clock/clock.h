#pragma once
// The time on the computer's clock: as the wizard shows start and end times, and as the job
// log records when a run ended.
#include "common/text/text.h"

namespace pillora {

// Local time as "hh:mm:ss", 24-hour.
Text timeOfDay();

// Local date and time in ISO 8601 with the offset from UTC: "2026-12-08T13:30:05+08:00".
Text isoTimestamp();

}  // namespace pillora
