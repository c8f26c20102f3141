#pragma once
// The step list every action shows in the page's text area while it works: one line per
// step, "V" in front of the current step's TAB.
#include <cstdint>
#include <optional>
#include <vector>

#include "common/text/text.h"

namespace pillora {

struct StepItem {
  std::int16_t step;
  Text text;
};

// The steps of the actions that copy a service pack's files into place.
Text copyStepList(std::int16_t index);

// For each item in order: "V" when its step is `index`, TAB, its text, CR LF.
Text stepList(const std::vector<StepItem>& items, std::int16_t index);

// The text of the marked item of a step list; nothing for a text without a marked line.
std::optional<Text> markedStep(TextView text);

}  // namespace pillora
