#include "pillora/testform/sample_bag.h"

#include <array>
#include <utility>

#include "pillora/engine/cpillora.h"

namespace pillora {

namespace {

// Set in this order.
constexpr std::array<std::pair<Field, const char16_t*>, 28> kSampleValues{{
    {Field::可能副作用, u"可能副作用"},
    {Field::使用期限, u"使用期限"},
    {Field::其他用藥指示, u"其他用藥指示"},
    {Field::保存方式, u"保存方式"},
    {Field::病患年齡, u"病患年齡"},
    {Field::病患姓名, u"病患姓名"},
    {Field::病患性別, u"病患性別"},
    {Field::病患電話, u"病患電話"},
    {Field::處方箋號碼, u"處方箋號碼"},
    {Field::處方醫師姓名, u"醫師名"},
    {Field::慢箋可調次數, u"3"},
    {Field::慢箋本次次數, u"2"},
    {Field::調劑日期, u"2007/05/06"},
    {Field::適應症, u"適應症"},
    {Field::醫療院所, u"醫療院所"},
    {Field::藥局地址, u"藥局地址"},
    {Field::藥局電話, u"藥局電話"},
    {Field::藥品天份, u"12"},
    {Field::藥品外觀, u"外觀"},
    {Field::藥品用法, u"用法"},
    {Field::藥品用量, u"用量"},
    {Field::藥品名稱, u"名稱"},
    {Field::藥品形狀, u"形狀"},
    {Field::藥品廠牌, u"廠牌"},
    {Field::藥品劑量, u"劑量"},
    {Field::藥品總量, u"總量"},
    {Field::藥師姓名, u"藥師名"},
    {Field::警語, u"警語"},
}};

}  // namespace

DrugBagItemRef makeSampleItem() {
  DrugBagItemRef item = newDrugBagItem();
  for (const auto& [field, value] : kSampleValues) {
    item->set(field, value);
  }
  return item;
}

void printSampleBag(PrinterSurface& surface, RunState& run) {
  CPillora pillora(surface, run);
  pillora.addDrugBagItem(makeSampleItem());
  pillora.startPrint();
}

}  // namespace pillora
