#include "pillora/startup/code_tables.h"

#include <algorithm>
#include <array>
#include <utility>

namespace pillora {

namespace {

using CodeEntry = std::pair<TextView, TextView>;

// The layouts search these sentences for time-of-day and meal words: keep every character,
// the ASCII parentheses and the ideographic commas included.
constexpr std::array<CodeEntry, 16> kFrequencies{{
    {u"BID", u"每日兩次(早晚各一次)"},
    {u"ST", u"立即服用"},
    {u"HS", u"睡前使用"},
    {u"PRN", u"需要時服用"},
    {u"QD", u"每天一次"},
    {u"QN", u"每天晚上服用"},
    {u"TID", u"每日三次(早上、中午以及晚上各一次)"},
    {u"QID", u"每日四次(早上、中午、晚上以及睡前各一次)"},
    {u"Q6H", u"每六小時服用一次"},
    {u"Q4H", u"每四小時服用一次"},
    {u"Q3H", u"每三小時服用一次"},
    {u"Q2H", u"每二小時服用一次"},
    {u"QW", u"每週服用一次"},
    {u"QOD", u"每隔一天服用一次"},
    {u"QAM", u"每天早上服用"},
    {u"QM", u"每天早上服用"},
}};

constexpr std::array<CodeEntry, 21> kRoutes{{
    {u"PO", u"口服"},       {u"EXT", u"外用"},      {u"IN", u"鼻用噴霧"},
    {u"IH", u"經口吸入"},   {u"OR", u"口腔適量用"}, {u"OU", u"兩眼各一滴"},
    {u"OS", u"左眼一滴"},   {u"OD", u"右眼一滴"},   {u"R", u"肛門適量用"},
    {u"SC", u"皮下注射"},   {u"IM", u"肌肉注射"},   {u"IV", u"靜脈注射"},
    {u"AU", u"兩耳各一滴"}, {u"U", u"尿道用"},      {u"V", u"陰道用"},
    {u"SUPP", u"栓劑"},     {u"POPC", u"飯後口服"}, {u"POAC", u"飯前口服"},
    {u"AC", u"飯前服用"},   {u"PC", u"飯後服用"},   {u"IRRE", u"依醫師指示服用"},
}};

template <size_t N>
Text lookUp(const std::array<CodeEntry, N>& table, const Text& code) {
  const auto* entry = std::find_if(table.begin(), table.end(),
                                   [&code](const CodeEntry& e) { return e.first == code; });
  return entry == table.end() ? code : Text(entry->second);
}

}  // namespace

Text getFrequencyText(const Text& code) {
  return lookUp(kFrequencies, code);
}

Text getRouteText(const Text& code) {
  return lookUp(kRoutes, code);
}

void stripLineFeeds(CDrugBagItem& record) {
  for (const Field field : {Field::適應症, Field::其他用藥指示, Field::警語, Field::可能副作用}) {
    record.set(field, removeAll(record.get(field), u"\n"));
  }
}

}  // namespace pillora
