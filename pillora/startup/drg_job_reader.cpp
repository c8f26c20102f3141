#include "pillora/startup/drg_job_reader.h"

#include <array>
#include <vector>

#include "common/text/attempt.h"
#include "pillora/engine/cpillora.h"
#include "pillora/startup/code_tables.h"
#include "pillora/startup/job_file.h"
#include "pillora/startup/profile_lookup.h"

namespace pillora {

namespace {

// The job file's lines in order; lines after the last are ignored.
constexpr std::array kDrgLines{
    Field::藥局名稱, Field::廣告標語, Field::藥局電話,     Field::藥局地址,     Field::藥師姓名,
    Field::調劑日期, Field::醫療院所, Field::慢箋可調次數, Field::慢箋本次次數, Field::病患姓名,
    Field::病患年齡, Field::藥袋數,   Field::藥品代碼,     Field::藥品頻率,     Field::藥品天份,
    Field::藥品總量, Field::藥品名稱, Field::藥品廠牌,     Field::藥品用法,     Field::藥品用量,
};

// In this order. Only the use-by date can fail (a dispensing date that is not a date):
// it then stays empty.
void setDerivedValues(CDrugBagItem& record) {
  record.保存方式(Text(kStorageText));
  record.藥品廠牌(removeAll(record.藥品廠牌(), u"?"));
  if (const auto useBy = useByDate(record.調劑日期())) record.使用期限(*useBy);
  record.藥品用法(getRouteText(record.藥品用法()));
  record.藥品用量(u"(每次用量：" + record.藥品用量() + u")");
  record.藥品頻率(getFrequencyText(record.藥品頻率()));
}

}  // namespace

void readDrgJob(const Text& path, RunState& run, PrinterSurface& surface) {
  const std::vector<Text> lines = readJobLines(path, kDrgLines.size(), ".drg");
  const DrugBagItemRef record = newDrugBagItem();
  auto next = lines.cbegin();
  readFields(*record, kDrgLines, next);
  setDerivedValues(*record);
  // A missing database or profile leaves the job file's values.
  attempt([&] { ProfileLookup(run).lookUpDrgProfile(*record); });
  stripLineFeeds(*record);
  CPillora pillora(surface, run);
  pillora.addDrugBagItem(record);
  pillora.startPrint();
}

}  // namespace pillora
