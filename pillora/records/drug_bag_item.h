#pragma once
// The drug-bag record: everything printed on one bag. A plain property bag of 42 texts
// and one Boolean; each property has a getter and a setter of the same name. Records are
// shared by reference (DrugBagItemRef): readers, the print engine and the layouts see the
// same object, and changes made while printing are seen through every reference.
#include <array>
#include <cstdint>
#include <memory>

#include "common/text/text.h"

namespace pillora {

// The text properties in the order of the class interface.
// clang-format off
#define PILLORA_DRUG_BAG_TEXT_PROPERTIES(X) \
  X(藥品倉儲位置) X(電話) X(收據檔路徑) X(健保申報金額) X(自行負擔額) X(藥事服務費) \
  X(藥品費) X(就醫科別) X(藥品頻率) X(中文藥名) X(藥品代碼) X(藥袋數) \
  X(藥局名稱) X(廣告標語) X(可能副作用) X(警語) X(保存方式) X(其他用藥指示) \
  X(使用期限) X(適應症) X(處方箋號碼) X(藥品形狀) X(藥品外觀) X(藥品天份) \
  X(藥品總量) X(藥品用量) X(藥品用法) X(藥品廠牌) X(藥品劑量) X(藥品名稱) \
  X(慢箋本次次數) X(慢箋可調次數) X(病患性別) X(病患年齡) X(病患電話) X(病患姓名) \
  X(醫療院所) X(調劑日期) X(處方醫師姓名) X(藥師姓名) X(藥局地址) X(藥局電話)
// clang-format on

enum class Field {
#define PILLORA_ENUM_ENTRY(name) name,
  PILLORA_DRUG_BAG_TEXT_PROPERTIES(PILLORA_ENUM_ENTRY)
#undef PILLORA_ENUM_ENTRY
};

inline constexpr int kTextFieldCount = 42;

class CDrugBagItem {
 public:
  // Getter with the display rules (drug shape, patient name, dispensing date); setter
  // stores the value unchanged.
  Text get(Field field) const;
  void set(Field field, Text vData) { m_values[static_cast<size_t>(field)] = std::move(vData); }

#define PILLORA_ACCESSORS(name)         \
  Text name() const {                   \
    return get(Field::name);            \
  }                                     \
  void name(Text vData) {               \
    set(Field::name, std::move(vData)); \
  }
  PILLORA_DRUG_BAG_TEXT_PROPERTIES(PILLORA_ACCESSORS)
#undef PILLORA_ACCESSORS

  // Any non-zero stored value reads as true.
  bool IsMutilDrug() const {
    return m_isMutilDrug != 0;
  }
  void IsMutilDrug(bool vData) {
    m_isMutilDrug = vData ? -1 : 0;
  }

 private:
  std::array<Text, kTextFieldCount> m_values;
  std::int16_t m_isMutilDrug = 0;
};

using DrugBagItemRef = std::shared_ptr<CDrugBagItem>;

inline DrugBagItemRef newDrugBagItem() {
  return std::make_shared<CDrugBagItem>();
}

}  // namespace pillora
