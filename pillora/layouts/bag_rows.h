#pragma once
// Pieces the drug-bag layouts share: where a row goes, the texts both bag forms print in
// their header block, and the maker's footer line.
#include "pillora/layouts/layout_printer.h"
#include "pillora/layouts/row_text.h"
#include "pillora/records/drug_bag_item.h"

namespace pillora {

// Where a row is drawn: size in points, x and y in layout centimetres of the drawing
// primitive. secondY is the y of the second line of a wrapped text (0: the row never wraps).
struct Spot {
  float size = 0.0F;
  float x = 0.0F;
  float y = 0.0F;
  float secondY = 0.0F;
};

// Two values joined by a blank, the full-width solidus and a blank.
inline Text slashJoined(const Text& a, const Text& b) {
  return a + u" ／ " + b;
}

// Pharmacy name, six blanks, slogan.
inline Text pharmacyLine(const CDrugBagItem& item) {
  return item.藥局名稱() + u"      " + item.廣告標語();
}

inline Text phoneAndAddress(const CDrugBagItem& item) {
  return slashJoined(item.藥局電話(), item.藥局地址());
}

inline Text patientAndPhone(const CDrugBagItem& item) {
  return slashJoined(item.病患姓名(), item.病患電話());
}

inline constexpr TextView kMakerFooter = u"專業醫療軟體製造商：澄朗科技有限公司";

}  // namespace pillora
