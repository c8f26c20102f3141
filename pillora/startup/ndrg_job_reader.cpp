#include "pillora/startup/ndrg_job_reader.h"

#include <array>
#include <optional>

#include "common/text/attempt.h"
#include "common/text/convert.h"
#include "common/text/errors.h"
#include "common/text/textfile.h"
#include "pillora/engine/cpillora.h"
#include "pillora/label/label_composer.h"
#include "pillora/startup/code_tables.h"
#include "pillora/startup/job_file.h"
#include "pillora/startup/profile_lookup.h"
#include "platform/files/files.h"

namespace pillora {

namespace {

constexpr TextView kEndLine = u"//End DrugBagInfo";
constexpr TextView kBlankForm = u"空白單";

// Header lines 1 to 13; line 11 (sex／age) has no field of its own.
constexpr std::array<std::optional<Field>, 13> kHeaderFields{
    Field::藥局名稱, Field::廣告標語, Field::藥局電話,     Field::藥局地址,     Field::藥師姓名,
    Field::調劑日期, Field::醫療院所, Field::慢箋可調次數, Field::慢箋本次次數, Field::病患姓名,
    std::nullopt,    Field::就醫科別, Field::病患電話};
constexpr size_t kPharmacistLine = 4;
constexpr size_t kSexAgeLine = 10;

// Lines 1 to 10 of a drug block (line 0 separates the blocks).
constexpr std::array<Field, 10> kBlockFields{
    Field::藥袋數,   Field::藥品代碼, Field::藥品頻率, Field::藥品天份, Field::藥品總量,
    Field::藥品名稱, Field::藥品廠牌, Field::藥品用法, Field::藥品用量, Field::藥品倉儲位置};

// The receipt file's four lines, stored in the first drug record.
constexpr std::array<Field, 4> kReceiptFields{Field::藥品費, Field::藥事服務費, Field::自行負擔額,
                                              Field::健保申報金額};

// Line 5 may carry "pharmacist@doctor"; line 11 carries "sex／age", stored as "age/sex".
void storeHeaderLine(size_t index, const Text& line, CDrugBagItem& head) {
  if (kHeaderFields[index]) {
    head.set(*kHeaderFields[index], line);
  }
  if (index == kPharmacistLine && contains(line, u"@")) {
    const std::vector<Text> names = split(line, u"@");
    head.藥師姓名(names[0]);
    head.處方醫師姓名(names[1]);
  }
  if (index == kSexAgeLine && contains(line, u"／")) {
    const std::vector<Text> values = split(line, u"／");
    head.病患年齡(values[1] + u"/" + values[0]);
  }
}

DrugBagItemRef readHeader(LineReader& job) {
  DrugBagItemRef head = newDrugBagItem();
  for (size_t i = 0; i < kHeaderFields.size(); ++i) {
    attempt([&] { storeHeaderLine(i, job.next(), *head); });
  }
  return head;
}

// The values the job file does not carry as they are printed, in this order.
void deriveValues(CDrugBagItem& item, const CDrugBagItem& head) {
  item.保存方式(Text(kStorageText));
  item.藥品廠牌(removeAll(item.藥品廠牌(), u"?"));
  if (const auto useBy = useByDate(head.調劑日期())) {
    item.使用期限(*useBy);
  }
  item.藥品用法(getRouteText(item.藥品用法()));
  item.藥品用量(u"每次用量：" + item.藥品用量());
  item.藥品頻率(getFrequencyText(item.藥品頻率()));
}

// A job cut short inside a drug block still prints what it has; the bag then lacks the
// block's last values (route, dose, storage place), and the run says so.
void noteCutBlock(const Text& path, const CDrugBagItem& item, std::size_t linesRead,
                  const RunState& run) {
  if (run.notices == nullptr) return;
  const Text code = trimBlanks(item.藥品代碼());
  *run.notices << "pillora: the job file " << toUtf8(path) << " ends inside the block of drug "
               << (code.empty() ? std::string("(no code)") : toUtf8(code)) << ": "
               << kBlockFields.size() - linesRead << " of its " << kBlockFields.size()
               << " lines are missing and its bag is printed without them\n";
}

DrugBagItemRef readDrugBlock(LineReader& job, const CDrugBagItem& head, const Text& path,
                             const RunState& run) {
  DrugBagItemRef item = newDrugBagItem();
  std::size_t linesRead = 0;
  for (; linesRead < kBlockFields.size() && !job.atEnd(); ++linesRead) {
    attempt([&] { item->set(kBlockFields[linesRead], job.next()); });
  }
  if (linesRead < kBlockFields.size()) noteCutBlock(path, *item, linesRead, run);
  deriveValues(*item, head);
  return item;
}

// The drugs of the job, completed from the drug-profile database all at once: one scan of the
// profile table serves the whole job.
DrugBagItems readDrugBlocks(LineReader& job, const CDrugBagItem& head, const Text& path,
                            RunState& run) {
  DrugBagItems items;
  while (!job.atEnd()) {
    if (contains(job.next(), kEndLine)) {
      break;
    }
    items.push_back(readDrugBlock(job, head, path, run));
  }
  ProfileLookup profiles(run);
  attempt([&] { profiles.lookUpProfiles(items); });
  for (const DrugBagItemRef& item : items) stripLineFeeds(*item);
  return items;
}

// The receipt file beside the job: every ".ndrg" of the job path becomes ".dprf". Its
// path is kept in the first drug record whether the file exists or not.
void readReceipt(const Text& jobPath, CDrugBagItem& first) {
  first.收據檔路徑(replaceAll(jobPath, u".ndrg", u".dprf"));
  const std::string receipt = toUtf8(first.收據檔路徑());
  if (!ordinaryFileExists(receipt)) {
    return;
  }
  attempt([&] {
    const std::vector<Text> lines = readJobTextLines(receipt);
    for (size_t i = 0; i < kReceiptFields.size() && i < lines.size(); ++i) {
      first.set(kReceiptFields[i], lines[i]);
    }
  });
}

// The job-level values the page header shows, taken from the first drug.
void copyFirstDrugToHeader(const CDrugBagItem& first, CDrugBagItem& head) {
  head.藥袋數(first.藥袋數());
  head.藥品頻率(first.藥品頻率());
  head.藥品倉儲位置(first.藥品倉儲位置());
}

// A job for the patient "空白單" prints a blank form: no patient, age, date or bag count.
void applyBlankForm(CDrugBagItem& head, CDrugBagItem& first) {
  if (trimBlanks(head.病患姓名()) != kBlankForm) {
    return;
  }
  head.病患年齡(Text());
  head.病患姓名(Text());
  head.調劑日期(Text());
  first.藥袋數(Text());
}

}  // namespace

void readNdrgJob(const Text& path, RunState& run, PrinterSurface& surface, LabelPrinter& labels) {
  LineReader job(readJobTextLines(toUtf8(path)));
  const DrugBagItemRef head = readHeader(job);
  const DrugBagItems items = readDrugBlocks(job, *head, path, run);
  if (items.empty()) {
    // Nothing would come out of the printer: the host application must hear of it.
    throw FileError("job file " + toUtf8(path) + " holds no drugs");
  }
  CDrugBagItem& first = *items.front();
  readReceipt(path, first);
  if (run.printOption == u"CP") {
    printDrugLabels(items, head, labels, run.notices);
    return;
  }
  copyFirstDrugToHeader(first, *head);
  applyBlankForm(*head, first);
  CPillora(surface, run).printDrugBag(items, head);
}

}  // namespace pillora
