#include "velsor/shell/step_list.h"

namespace pillora {

Text stepList(const std::vector<StepItem>& items, std::int16_t index) {
  Text list;
  for (const StepItem& item : items) {
    if (item.step == index) list += u"V";
    list += u"\t" + item.text + u"\r\n";
  }
  return list;
}

std::optional<Text> markedStep(TextView text) {
  constexpr TextView kMark = u"V\t";
  const std::size_t start = text.starts_with(kMark) ? 0 : text.find(u"\r\nV\t");
  if (start == TextView::npos) return std::nullopt;
  const std::size_t item = start + (start == 0 ? kMark.size() : 2 + kMark.size());
  return Text(text.substr(item, text.find(u"\r\n", item) - item));
}

Text copyStepList(std::int16_t index) {
  return stepList({{0, u"更新前置作業"}, {1, u"複製更新檔案到電腦中"}, {2, u"刪除本次更新暫存檔"}},
                  index);
}

}  // namespace pillora
