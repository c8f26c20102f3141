#include "pillora/calibration/field_frames.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <span>
#include <utility>

#include "pillora/layouts/layouts.h"
#include "platform/print/pen_printer.h"

namespace pillora {

namespace {

// A field of the sample record, its distinctive value.
struct SampleValue {
  Field field;
  TextView value;
};

// A main field of the page: its label and the sample values that make it up.
struct MainField {
  TextView label;
  std::vector<SampleValue> values;
};

const std::array<MainField, 5> kPageFields{{
    {u"藥局 pharmacy", {{Field::藥局名稱, u"示範藥局"}}},
    {u"病患 patient", {{Field::病患姓名, u"王大同"}}},
    {u"藥名 drug name", {{Field::藥品名稱, u"SAMPLE 500MG TAB"}}},
    {u"用法 usage",
     {{Field::藥品用法, u"口服"},
      {Field::藥品頻率, u"一天三次"},
      {Field::藥品用量, u"每次一錠"},
      {Field::藥品總量, u"九錠"}}},
    {u"使用期限 use-by date", {{Field::使用期限, u"2099/12/31"}}},
}};
constexpr TextView kReceiptLabel = u"收據 receipt box";

// The texts a printer was asked to draw, with the pen of each.
class DrawnTexts : public PageSink {
 public:
  void text(const Pen& pen, const Text& text) override { m_texts.emplace_back(pen, text); }
  void line(float /*x1*/, float /*y1*/, float /*x2*/, float /*y2*/) override {}
  void newPage() override {}
  void endDoc() override {}
  void dropDoc() override {}

  // The texts drawn since the last take.
  std::vector<std::pair<Pen, Text>> take() { return std::exchange(m_texts, {}); }

 private:
  std::vector<std::pair<Pen, Text>> m_texts;
};

// The width of a text: a full em for a Chinese character, half of one for a Latin one (as
// the bag fonts draw them); trailing blanks take no room.
float textWidth(const Pen& pen, const Text& text) {
  const Text shown = trimBlanks(text);
  const float ems = std::accumulate(shown.begin(), shown.end(), 0.0F, [](float sum, char16_t c) {
    return sum + (c < 0x80 ? 0.5F : 1.0F);
  });
  return ems * pen.fontSize * kTwipsPerPoint;
}

// The box of the texts that `belongs` picks; nothing when none was drawn.
template <typename Picks>
std::optional<FieldFrame> frameOf(TextView label, const std::vector<std::pair<Pen, Text>>& texts,
                                  const Picks& belongs) {
  std::optional<FieldFrame> frame;
  for (const auto& [pen, text] : texts) {
    if (!belongs(text)) {
      continue;
    }
    const float right = pen.x + textWidth(pen, text);
    const float bottom = pen.y + pen.fontSize * kTwipsPerPoint;
    if (!frame) {
      frame = FieldFrame{Text(label), pen.x, pen.y, right - pen.x, bottom - pen.y};
      continue;
    }
    const float left = std::min(frame->x, pen.x);
    const float top = std::min(frame->y, pen.y);
    frame->width = std::max(frame->x + frame->width, right) - left;
    frame->height = std::max(frame->y + frame->height, bottom) - top;
    frame->x = left;
    frame->y = top;
  }
  return frame;
}

DrugBagItemRef sampleDrug() {
  DrugBagItemRef item = newDrugBagItem();
  for (const MainField& main : kPageFields) {
    for (const SampleValue& sample : main.values) {
      item->set(sample.field, Text(sample.value));
    }
  }
  return item;
}

bool holdsAny(const Text& text, std::span<const SampleValue> values) {
  return std::any_of(values.begin(), values.end(), [&text](const SampleValue& sample) {
    return text.find(sample.value) != Text::npos;
  });
}

}  // namespace

PageFrames sampleFrames(RunState& run) {
  DrawnTexts drawn;
  PenPrinter recorder({&drawn});
  LayoutPrinter printer(recorder, run);
  const DrugBagItemRef drug = sampleDrug();
  printDrugPage(printer, {drug}, drug);
  const std::vector<std::pair<Pen, Text>> page = drawn.take();
  PageFrames result{{}, printer.offsetX(), printer.offsetY(), printer.layoutFile()};
  for (const MainField& main : kPageFields) {
    const auto frame = frameOf(main.label, page,
                               [&main](const Text& text) { return holdsAny(text, main.values); });
    if (frame) result.frames.push_back(*frame);
  }
  // Every text of the receipt but the institution, which has a place of its own.
  printReceipt(printer, *drug, Text());
  const auto receipt =
      frameOf(kReceiptLabel, drawn.take(), [](const Text& text) { return !text.empty(); });
  if (receipt) result.frames.push_back(*receipt);
  return result;
}

}  // namespace pillora
