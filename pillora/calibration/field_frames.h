#pragma once
// Where the main fields of the ".ndrg" page land on the sheet, taken from the page layout
// itself: a sample record with distinctive values is laid out through printDrugPage (and
// the receipt through printReceipt) onto a recording printer, and each field's frame is the
// box of the texts its values were drawn in. When a layout moves, its frames move with it.
#include <optional>
#include <string>
#include <vector>

#include "common/text/text.h"
#include "pillora/records/run_state.h"

namespace pillora {

// One field's place, in twips from the corner of the printable area.
struct FieldFrame {
  Text label;  // Chinese and English
  float x;
  float y;
  float width;
  float height;
};

// The frames and the page setup they were laid out with.
struct PageFrames {
  std::vector<FieldFrame> frames;
  double offsetX = 0.0;  // cm, from "layout.config"
  double offsetY = 0.0;
  std::optional<std::string> layoutFile;  // nothing: no "layout.config", the defaults
};

// The frames of pharmacy, patient, drug name, usage, use-by date and receipt box, in that
// order; a field the page does not print (stock with the pharmacy pre-printed) has none.
PageFrames sampleFrames(RunState& run);

}  // namespace pillora
