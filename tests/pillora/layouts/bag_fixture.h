#pragma once
// What the bag layout tests share: a throw-away program folder, a recording printer and the
// layout printer of one print engine drawing on it.
#include <gtest/gtest.h>

#include "pillora/layouts/layout_printer.h"
#include "pillora/records/drug_bag_item.h"
#include "tests/support/log_lines.h"
#include "tests/support/recording_printer.h"
#include "tests/support/temp_folder.h"

namespace pillora::testing {

// A record whose every text property holds its own name, so each drawn text shows where it
// came from.
inline CDrugBagItem ownNamesItem() {
  CDrugBagItem item;
#define PILLORA_SET_OWN_NAME(name) item.name(u"" #name);
  PILLORA_DRUG_BAG_TEXT_PROPERTIES(PILLORA_SET_OWN_NAME)
#undef PILLORA_SET_OWN_NAME
  return item;
}

class BagLayoutTest : public ::testing::Test {
 protected:
  // The font the printer holds before a layout draws.
  void SetUp() override { recorder.surface().setFontName(u"PenFont"); }

  std::vector<std::string> textLines() const { return recorder.linesOf("text"); }

  TempProgramFolder folder;
  RecordingPrinter recorder;
  RunState run;
  LayoutPrinter printer{recorder.surface(), run};
};

}  // namespace pillora::testing
