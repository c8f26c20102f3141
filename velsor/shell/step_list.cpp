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

}  // namespace pillora
