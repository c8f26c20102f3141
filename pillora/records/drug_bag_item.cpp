#include "pillora/records/drug_bag_item.h"

#include "pillora/flags/flags.h"

namespace pillora {

static_assert(static_cast<int>(Field::藥局電話) + 1 == kTextFieldCount);

Text CDrugBagItem::get(Field field) const {
  const Text& stored = m_values[static_cast<size_t>(field)];
  switch (field) {
    case Field::藥品形狀:
      return isFlag180208() ? Text() : stored;
    case Field::病患姓名:
      return isFlag220306() ? u"姓名:" + stored : stored;
    case Field::調劑日期:
      return isFlag220306() ? u"調劑日:" + stored : stored;
    default:
      return stored;
  }
}

}  // namespace pillora
