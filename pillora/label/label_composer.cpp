#include "pillora/label/label_composer.h"

#include <string>

#include "common/log/run_record.h"
#include "common/text/codepage.h"
#include "common/text/convert.h"
#include "common/text/errors.h"
#include "pillora/label/ttp245p.h"
#include "platform/files/files.h"
#include "platform/files/staged_file.h"

namespace pillora {

namespace {

// The ideographic space and the field mark of the label lines.
constexpr const char16_t* SP = u"\u3000";
constexpr const char16_t* kField = u"●";
constexpr std::size_t kFirstDrugLine = 4;
constexpr int kRocYearOffset = 1911;
constexpr int kNameWidth = 15;

// 2007/05/06 becomes 960506: the year of the Republic, then month and day as written.
Text rocDate(const Text& date) {
  const int year = toInt16(left(date, 4)) - kRocYearOffset;
  return fromUtf8(std::to_string(year)) + mid(date, 6, 2) + right(date, 2);
}

std::vector<Text> headerLines(const CDrugBagItem& head, const CDrugBagItem& first,
                              const Text& rocDispensingDate) {
  return {u"姓名:" + head.病患姓名() + SP + u"年齡/性別:" + head.病患年齡() + u"/" +
              head.病患性別() + SP + u"科別:" + head.就醫科別() + SP + u"調劑日：" +
              rocDispensingDate + u"藥師:" + head.藥師姓名(),
          u"醫師姓名:" + head.處方醫師姓名() + SP + u"就醫科別:" + head.就醫科別() + SP +
              u"醫療院所:" + head.醫療院所(),
          u"藥局地址:" + head.藥局地址() + SP + u"專線:" + head.藥局電話(),
          // The blanks are left for writing in the number of packs and the pack number.
          u"給藥天份:" + first.藥品天份() +
              u"\u3000\u3000 共分為\u3000\u3000包裝，這是第\u3000\u3000包裝"};
}

// Morning, noon, evening and bedtime, each its character or SP.
Text timeMarks(const Text& frequency) {
  const auto mark = [&](TextView word, TextView shown) {
    return Text(contains(frequency, word) ? shown : SP);
  };
  return mark(u"早上", u"早") + mark(u"中午", u"中") + mark(u"晚上", u"晚") + mark(u"睡", u"睡");
}

// The drug's fields squeezed into fixed short widths; the short or empty shape and
// indication are filled up in the shared record itself.
Text drugLine(CDrugBagItem& drug) {
  const Text frequency = drug.藥品頻率();
  Text times = frequency;
  for (const TextView word : {u"早上", u"中午", u"睡前", u"晚上"}) {
    times = removeAll(times, word);
  }
  const Text marks = timeMarks(frequency);
  drug.藥品形狀(drug.藥品形狀() + u"無外型圖");
  drug.適應症(drug.適應症() + u"適應症狀");
  return Text(kField) + left(drug.藥品名稱(), kNameWidth) + SP + kField + left(times, 4) + SP +
         kField + replaceAll(left(drug.藥品形狀(), 5), u"/", SP) + kField + marks + kField +
         left(drug.適應症(), 4) + kField + left(drug.可能副作用(), 4) + SP;
}

// The temporary folder is shared with every user of the machine: the file is made new,
// readable by its owner alone, and given its name in one step (a link of that name is
// replaced, never followed). The labels have printed by now, so a file that cannot be
// written is a notice, not a failed job that the host would print again.
void writeLabelText(const std::vector<Text>& lines, std::ostream* notices) {
  std::string bytes;
  for (const Text& line : lines) bytes += encodeCp950(line) + "\r\n";
  bytes += "\r\n";
  const std::filesystem::path file = pathFromUtf8(joinPath(temporaryFolder(), "test.cp.txt"));
  try {
    StagedFile(file, bytes, StagedFile::Access::Private).moveReplacing(file);
    currentRun().add("file", fromUtf8(pathToUtf8(file)));
  } catch (const AppError& error) {
    if (notices != nullptr) *notices << "pillora: the labels printed, but " << error.what() << "\n";
  }
}

}  // namespace

std::vector<Text> composeDrugLabels(const std::vector<DrugBagItemRef>& p_items,
                                    const CDrugBagItem& p_head) {
  const Text dispensed = rocDate(p_head.調劑日期());
  if (p_items.empty()) {
    throw SubscriptError("a label job without drugs");
  }
  std::vector<Text> lines = headerLines(p_head, *p_items.front(), dispensed);
  lines.resize(kLabelLines);
  for (std::size_t i = 0; i < p_items.size() && kFirstDrugLine + i < kLabelLines; ++i) {
    lines[kFirstDrugLine + i] = drugLine(*p_items[i]);
  }
  return lines;
}

void printDrugLabels(const std::vector<DrugBagItemRef>& p_items, const DrugBagItemRef& p_head,
                     LabelPrinter& labels, std::ostream* notices) {
  const std::vector<Text> lines = composeDrugLabels(p_items, *p_head);
  std::vector<Text> printed = lines;  // the printer cuts them to the label
  try {
    TTP245P(labels).printBarLabel(printed);
  } catch (const AppError&) {
    writeLabelText(lines, notices);  // written whatever the label printer did
    throw;
  }
  writeLabelText(lines, notices);
}

}  // namespace pillora
