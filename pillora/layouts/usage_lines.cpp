// The two lines each drug gets on a page of the paged drug list: a numbered usage sentence
// (name, frequency, dose, total) and the indication with the appearance. Failures are not
// caught here: the paged list goes on with its next step.
#include <array>
#include <string>

#include "pillora/flags/flags.h"
#include "pillora/layouts/layouts.h"

namespace pillora {

namespace {

constexpr int kNameMax = 20;
constexpr int kDetailMax = 10;
// The numbering assumes five drugs a page, whatever the configured page size.
constexpr int kNumberedPerSheet = 5;
constexpr float kLineX = 1.6F;
constexpr float kFirstLineY = 9.6F;
constexpr float kSecondLineY = 10.2F;

// Removed from the frequency sentence, in this order, for the compact sentence.
constexpr std::array<TextView, 10> kFrequencyFillers{u"每天", u"上",   u"中",   u"共",   u"三次",
                                                     u"四次", u"二次", u"兩次", u"一次", u"各"};

Text compactFrequency(Text frequency) {
  for (const TextView word : kFrequencyFillers) {
    frequency = removeAll(frequency, word);
  }
  return frequency;
}

// Line numbers run on across sheets unless 151014.config numbers every page from 1. Sheet
// numbers go up to 32767, so the numbers of its lines need more than 16 bits.
Text lineNumber(std::int16_t sheetNumber, int position, bool perPage) {
  const std::int32_t n = perPage ? position : (sheetNumber - 1) * kNumberedPerSheet + position;
  return fromUtf8(std::to_string(n));
}

// With 151014.config the compact sentence, which also stores the compacted frequency.
Text usageSentence(CDrugBagItem& item, bool compact) {
  if (compact) {
    item.藥品頻率(compactFrequency(item.藥品頻率()));
    return item.藥品頻率() + u"  " + u"。每次 " + removeAll(item.藥品用量(), u"每次用量：") +
           u",共" + removeAll(item.藥品總量(), u"每次") + u"  ";
  }
  return item.藥品頻率() + u"  " + removeAll(item.藥品用量(), u"每次") + u"  " + item.藥品用法() +
         u" 總量：" + item.藥品總量() + u"  ";
}

void cutStored(CDrugBagItem& item, Field field) {
  const Text value = item.get(field);
  if (len(value) > kDetailMax) {
    item.set(field, left(value, kDetailMax));
  }
}

}  // namespace

void printUsageLines(LayoutPrinter& printer, const DrugBagItems& page) {
  std::int16_t& sheetNumber = printer.run().sheetNumber;
  if (sheetNumber == 0) {
    sheetNumber = 1;
  }
  const float pitch = printer.getContext().getConfig().多藥一袋藥品行高();
  for (size_t i = 0; i < page.size(); ++i) {
    CDrugBagItem& item = *page[i];
    const int position = static_cast<int>(i) + 1;
    const bool compact = isFlag151014();
    Text name = item.藥品名稱();
    if (len(name) > kNameMax) {
      name = left(name, kNameMax);
    }
    const Text line =
        lineNumber(sheetNumber, position, compact) + u"." + name + usageSentence(item, compact);
    const float offset = static_cast<float>(i) * pitch;
    const auto size = static_cast<float>(printer.getContext().getConfig().字型Size());
    printer.printTextAt(size, kLineX, offset + kFirstLineY, line);
    cutStored(item, Field::適應症);
    cutStored(item, Field::藥品外觀);
    printer.printTextAt(size, kLineX, offset + kSecondLineY,
                        u"適應症:" + item.適應症() + u"  外觀:" + item.藥品外觀());
  }
  printer.surface().newPage();
}

}  // namespace pillora
