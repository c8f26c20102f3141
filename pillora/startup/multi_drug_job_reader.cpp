#include "pillora/startup/multi_drug_job_reader.h"

#include <array>
#include <vector>

#include "pillora/engine/cpillora.h"
#include "pillora/startup/job_file.h"

namespace pillora {

namespace {

constexpr std::array kHeaderLines{
    Field::藥局名稱,     Field::廣告標語, Field::藥局電話, Field::藥局地址,
    Field::藥師姓名,     Field::調劑日期, Field::醫療院所, Field::慢箋可調次數,
    Field::慢箋本次次數, Field::病患姓名, Field::病患年齡,
};

// The eight lines of each drug group, in group order.
constexpr std::array kDrugLines{
    Field::藥品代碼, Field::藥品頻率, Field::藥品天份, Field::藥品總量,
    Field::藥品名稱, Field::藥品廠牌, Field::藥品用法, Field::藥品用量,
};

constexpr size_t kDrugs = 3;
constexpr size_t kJobLines = kHeaderLines.size() + kDrugs * kDrugLines.size();

// Drug 2 and drug 3: each property becomes its value so far, "@" and the line.
void appendDrug(CDrugBagItem& record, std::vector<Text>::const_iterator& next) {
  for (const Field field : kDrugLines) {
    record.set(field, record.get(field) + u"@" + *next++);
  }
}

}  // namespace

void readMultiDrugJob(const Text& path, RunState& run, PrinterSurface& surface) {
  const std::vector<Text> lines = readJobLines(path, kJobLines, "multi-drug");
  const DrugBagItemRef record = newDrugBagItem();
  auto next = lines.cbegin();
  readFields(*record, kHeaderLines, next);
  readFields(*record, kDrugLines, next);
  for (size_t drug = 2; drug <= kDrugs; ++drug) {
    appendDrug(*record, next);
  }
  record->IsMutilDrug(true);
  CPillora pillora(surface, run);
  pillora.addDrugBagItem(record);
  pillora.startPrint();
}

}  // namespace pillora
