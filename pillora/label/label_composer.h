#pragma once
// The label composer: one ".ndrg" job as sixteen lines of label text (four header lines,
// then one compact line per drug, at most twelve drugs), printed on the TSC TTP-245 Plus
// and written to "test.cp.txt" in the system's temporary folder.
#include <ostream>
#include <vector>

#include "common/print/label_printer.h"
#include "pillora/records/drug_bag_item.h"

namespace pillora {

inline constexpr std::size_t kLabelLines = 16;

// The sixteen lines. Appends "無外型圖" to the shape and "適應症狀" to the indication of
// each drug shown, in the shared records. ConversionError when the dispensing date does
// not start with a year; SubscriptError for a job without drugs.
std::vector<Text> composeDrugLabels(const std::vector<DrugBagItemRef>& p_items,
                                    const CDrugBagItem& p_head);

// Composes the lines, prints them, then writes them to "test.cp.txt" (code page 950, CR LF
// after each line and one more at the end, replacing an earlier file, private to the user).
// Nothing is printed or written when composing fails. The file is written also when the
// label printer fails (whose error then goes on); a file that cannot be written is one line
// to `notices` (when given), not a failure.
void printDrugLabels(const std::vector<DrugBagItemRef>& p_items, const DrugBagItemRef& p_head,
                     LabelPrinter& labels, std::ostream* notices);

}  // namespace pillora
