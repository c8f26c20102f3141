#pragma once
// The bag layouts of the print engine. Each draws through a LayoutPrinter; positions and
// sizes are those of the pre-printed stock.
#include <cstdint>
#include <vector>

#include "pillora/layouts/layout_printer.h"
#include "pillora/records/drug_bag_item.h"

namespace pillora {

using DrugBagItems = std::vector<DrugBagItemRef>;

// Single-drug bag through printTextFixed; ends the document itself.
void printSingleDrugBag(LayoutPrinter& printer, const CDrugBagItem& item);
// Single-drug bag through printTextAt (offsets and configured font); ends with a new page.
void printSingleDrugBagOffset(LayoutPrinter& printer, const CDrugBagItem& item);
// Up to three drugs joined with "@" in one bag; ends the document itself.
void printMultiDrugBag(LayoutPrinter& printer, const CDrugBagItem& item);

// One page per drug record (or the paged drug list when layout.config asks for it).
void printDrugPage(LayoutPrinter& printer, const DrugBagItems& p_items,
                   const DrugBagItemRef& p_head);
// The boxed receipt of the first page.
void printReceipt(LayoutPrinter& printer, CDrugBagItem& item, const Text& institution);
// Several drugs per page, each page with a header block and two usage lines per drug.
void printPagedDrugList(LayoutPrinter& printer, const DrugBagItems& p_items,
                        const DrugBagItemRef& p_head);
void printBagHeader(LayoutPrinter& printer, std::int16_t& days, CDrugBagItem& head);
void printUsageLines(LayoutPrinter& printer, const DrugBagItems& page);

}  // namespace pillora
