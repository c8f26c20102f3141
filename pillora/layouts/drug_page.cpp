// The multi-drug page layout: one full page per drug record of a job, each repeating the
// header of the job (pharmacy, institution, doctor, pharmacist, patient, chronic-Rx
// counters) above the body of its drug. The stock is pre-printed; only values (and, on
// blank stock, the captions) are printed. Every statement of a page is attempted on its
// own: what fails is left off and the page is always completed.
#include <array>
#include <iostream>
#include <optional>
#include <utility>

#include "common/text/attempt.h"
#include "common/text/convert.h"
#include "common/text/log_field.h"
#include "common/text/textfile.h"
#include "pillora/flags/flags.h"
#include "pillora/layouts/layouts.h"
#include "pillora/layouts/page_parts.h"

namespace pillora {

namespace {

using page::TextRow;
using page::WrapRule;

constexpr int kChineseNameMax = 18;
constexpr int kBrandMax = 24;
constexpr int kShapeMax = 13;
constexpr int kCodeLength = 10;
constexpr int kNameInCodeMax = 35;
constexpr char16_t kIdeographicSpace = u'\u3000';

// The pharmacy's phone, name with slogan, and address: printed unless the stock carries them.
constexpr auto kPharmacyRows = page::pharmacyRows(16.0F);

// The pharmacist and doctor names: on blank stock small, the pharmacist on top only with
// isPharmacyUp; on pre-printed stock the pharmacist large on top.
constexpr auto kPharmacistUpRows = page::nameRows(12.0F, true);
constexpr auto kDoctorUpRows = page::nameRows(12.0F, false);
constexpr std::array<TextRow, 2> kPrePrintedNameRows{{
    {18.0F, 5.4F, 2.0F, field<Field::藥師姓名>},
    {15.0F, 5.4F, 3.2F, field<Field::處方醫師姓名>},
}};

// Dispensing date, the chronic-Rx counters, patient name, department, phone and age.
constexpr std::array<TextRow, 7> kPatientRows{{
    {14.0F, 2.0F, 8.1F, field<Field::調劑日期>},
    {16.0F, 3.8F, 5.6F, field<Field::慢箋可調次數>},
    {16.0F, 6.8F, 5.6F, field<Field::慢箋本次次數>},
    {19.0F, 2.0F, 6.8F, field<Field::病患姓名>},
    {15.0F, 10.5F, 6.8F, field<Field::就醫科別>},
    {15.0F, 2.8F, 7.5F, field<Field::病患電話>},
    {16.0F, 7.2F, 6.8F, field<Field::病患年齡>},
}};

// The captions of blank stock, at x -0.3.
constexpr std::array<std::pair<TextView, float>, 6> kBlankBodyCaptions{{
    {u"藥　品:", 9.6F},
    {u"外　觀:", 12.0F},
    {u"適應症:", 13.2F},
    {u"副作用:", 14.6F},
    {u"指　示:", 15.6F},
    {u"警　語:", 16.9F},
}};

constexpr WrapRule kIndicationWrap{14, 13, 13.2F, {13.2F, 13.7F}, std::nullopt};
constexpr WrapRule kInstructionWrap{26, 26, 15.6F, {15.6F, 16.1F}, {{15.6F, 16.0F, 16.6F}}};
constexpr WrapRule kSideEffectWrap{28, 28, 14.3F, {14.6F, 15.1F}, {{14.3F, 14.8F, 15.3F}}};
constexpr WrapRule kWarningWrap{34, 34, 16.8F, {16.9F, 17.4F}, std::nullopt};
constexpr WrapRule kFrequencyWrap{10, 10, 10.8F, {10.8F, 11.3F}, std::nullopt};

constexpr page::TimeWords kPageTimeWords{{u"早上", u"中午", u"晚上", u"睡前"}, {u"飯前", u"飯後"}};

using Position = std::pair<float, float>;

// The position "x,y" a line of 220603.config holds; none when it holds none.
std::optional<Position> positionOn(const Text& line) {
  const std::vector<Text> parts = split(line, u",");
  std::optional<Position> position;
  if (parts.size() >= 2) {
    attempt([&] { position = Position{toSingle(parts[0]), toSingle(parts[1])}; });
  }
  return position;
}

// Where 220603.config puts the usage sentence, read once per job. A file that is missing
// or cannot be read leaves the sentence off (the four values are printed), and so does a
// first line without a position, with a warning naming the file: the usage never goes
// missing from the page.
std::optional<Position> usageSentence() {
  std::vector<Text> lines;
  if (!readSettingsFile("220603.config",
                        [&lines](const std::string& path) { lines = readTextLines(path); })) {
    return std::nullopt;
  }
  const Text first = lines.empty() ? Text() : lines.front();
  const std::optional<Position> position = positionOn(first);
  if (!position) {
    std::cerr << R"(pillora: 220603.config has no position "x,y" on its first line (")"
              << escapeLogField(first) << "\"); the usage is printed as without the file\n";
  }
  return position;
}

// One job's pages: the printer, the header record and the body font size.
class DrugPages {
 public:
  DrugPages(LayoutPrinter& printer, CDrugBagItem& head, float base)
      : m_printer(printer), m_head(head), m_base(base) {}

  void page(CDrugBagItem& item, bool first) {
    institutionOrReceipt(item, first);
    header(item);
    body(item);
    attempt([&] { m_printer.surface().newPage(); });
  }

 private:
  void text(float size, float x, float y, const Text& value) {
    attempt([&] { m_printer.printTextAt(size, x, y, value); });
  }
  void rows(std::span<const TextRow> table, const CDrugBagItem& item) {
    for (const TextRow& row : table) {
      attempt([&] { page::drawRow(m_printer, row, item); });
    }
  }
  void wrapped(float x, const Text& value, const WrapRule& rule) {
    for (const page::PlacedLine& line : page::wrapText(value, rule)) {
      text(m_base, x, line.y, line.text);
    }
  }

  // The receipt takes the institution's place on the first page when its file exists.
  void institutionOrReceipt(CDrugBagItem& item, bool first) {
    if (!first || !page::printFiledReceipt(m_printer, item, m_head)) {
      text(15.0F, 10.5F, 3.2F, m_head.醫療院所());
    }
  }

  void header(const CDrugBagItem& item) {
    if (!isPrePrintNameAddress()) {
      rows(kPharmacyRows, m_head);
    }
    if (!isBlankBody()) {
      rows(kPrePrintedNameRows, m_head);
    } else if (isPharmacyUp()) {
      rows(kPharmacistUpRows, m_head);
    } else {
      rows(kDoctorUpRows, m_head);
    }
    chronicFill(item);
    rows(kPatientRows, m_head);
  }

  // The next fill date, and "就診" on the last fill, only for a chronic Rx with further
  // fills; the date only when it can be computed for this page.
  void chronicFill(const CDrugBagItem& item) {
    if (!page::hasFurtherFills(m_head.慢箋可調次數())) {
      return;
    }
    attempt([&] {
      const auto next = page::nextFillDate(m_head.調劑日期(), toDouble(item.藥品天份()));
      if (next) {
        m_printer.printTextAt(18.0F, 11.0F, 5.6F, *next);
      }
    });
    if (m_head.慢箋本次次數() == m_head.慢箋可調次數()) {
      text(18.0F, 15.2F, 5.6F, u"就診");
    }
  }

  void body(CDrugBagItem& item) {
    text(m_base, 1.6F, 9.6F, drugNameLine(item));
    if (len(item.中文藥名()) > kChineseNameMax) {
      item.中文藥名(left(item.中文藥名(), kChineseNameMax));
    }
    text(m_base, 1.6F, 10.1F, item.中文藥名());
    text(10.0F, 1.0F, 17.0F, item.藥品劑量());
    // Each mark is a statement of its own: a printer failure loses that mark only.
    for (const int k : page::timeMarks(item.藥品頻率(), item.藥品用法(), kPageTimeWords)) {
      attempt([&] { m_printer.printTimeMark(k, true); });
    }
    text(13.7F, 15.1F, 20.0F, item.藥品倉儲位置());
    usage(item);
    text(m_base, 1.6F, 10.8F, left(item.藥品廠牌(), kBrandMax));
    text(15.0F, 7.2F, 8.1F, item.藥品天份());
    if (isBlankBody()) {
      for (const auto& [caption, y] : kBlankBodyCaptions) {
        text(m_base, -0.3F, y, Text(caption));
      }
    }
    wrapped(1.6F, item.適應症(), kIndicationWrap);
    text(13.0F, 1.6F, 12.0F, left(item.藥品形狀(), kShapeMax));
    wrapped(1.6F, item.其他用藥指示(), kInstructionWrap);
    wrapped(1.6F, item.可能副作用(), kSideEffectWrap);
    text(14.0F, 10.0F, 8.1F, item.藥袋數());
    text(14.0F, 14.5F, 12.4F, item.使用期限());
    wrapped(1.6F, item.警語(), kWarningWrap);
  }

  // The drug name line: a code longer than ten characters is shown after the name, or, with
  // 151014.config, carries the name itself after its tenth character.
  static Text drugNameLine(const CDrugBagItem& item) {
    const Text code = item.藥品代碼();
    const int length = len(code);
    if (length <= kCodeLength) {
      return item.藥品名稱();
    }
    const Text shortCode = left(code, kCodeLength);
    if (!isFlag151014()) {
      return item.藥品名稱() + kIdeographicSpace + shortCode;
    }
    const int k = length > 2 * kCodeLength ? 2 * kCodeLength : kCodeLength;
    const Text extra = left(mid(code, kCodeLength + 1, length - k), kNameInCodeMax);
    return extra + kIdeographicSpace + shortCode;
  }

  // How to take the drug: one sentence where 220603.config places it, else four values. The
  // dose already carries its label "每次用量：", which the sentence names once.
  void usage(const CDrugBagItem& item) {
    if (m_sentence) {
      const auto [x, y] = *m_sentence;
      text(m_base, x, y,
           item.藥品用法() + u"，" + item.藥品頻率() + u"。每次用量：" +
               removeAll(item.藥品用量(), u"每次用量："));
      return;
    }
    text(m_base, 10.5F, 10.1F, item.藥品用法());
    wrapped(10.5F, item.藥品頻率(), kFrequencyWrap);
    text(m_base, 10.6F, 12.0F, item.藥品用量());
    text(m_base, 10.6F, 13.2F, u"共：" + item.藥品總量());
  }

  LayoutPrinter& m_printer;
  CDrugBagItem& m_head;
  float m_base;
  std::optional<Position> m_sentence = usageSentence();
};

}  // namespace

void printDrugPage(LayoutPrinter& printer, const DrugBagItems& p_items,
                   const DrugBagItemRef& p_head) {
  const float base = LayoutPrinter::getBaseFontSize();
  attempt([&] { printer.surface().setFontName(u"標楷體"); });
  printer.loadLayoutConfig();
  if (printer.pagedLayout()) {
    printPagedDrugList(printer, p_items, p_head);
    return;
  }
  DrugPages pages(printer, *p_head, base);
  for (size_t i = 0; i < p_items.size(); ++i) {
    pages.page(*p_items[i], i == 0);
  }
}

}  // namespace pillora
