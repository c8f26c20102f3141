#pragma once
// A job header and drug records as the reader hands them to the page layouts (codes
// already expanded), and a fixture that prints them on a recording printer inside a
// throw-away program folder.
#include <gtest/gtest.h>

#include <string>

#include "pillora/layouts/layouts.h"
#include "tests/pillora/layouts/page_log.h"
#include "tests/support/temp_folder.h"

namespace pillora::testing {

inline DrugBagItemRef sampleHead() {
  DrugBagItemRef head = newDrugBagItem();
  head->藥局名稱(u"安康藥局");
  head->廣告標語(u"用心把關");
  head->藥局電話(u"02-2345-6789");
  head->藥局地址(u"台北市中正區健康路1號");
  head->藥師姓名(u"林藥師");
  head->處方醫師姓名(u"陳醫師");
  head->調劑日期(u"2015/10/14");
  head->醫療院所(u"仁愛診所");
  head->慢箋可調次數(u"3");
  head->慢箋本次次數(u"2");
  head->病患姓名(u"王小明");
  head->病患年齡(u"45/男");
  head->就醫科別(u"內科");
  head->病患電話(u"0912-345-678");
  head->藥袋數(u"1");
  head->藥品頻率(u"每日三次(早上、中午以及晚上各一次)");
  head->藥品倉儲位置(u"A-01");
  return head;
}

inline DrugBagItemRef sampleDrug(const Text& name = u"Panadol 500mg", const Text& days = u"28") {
  DrugBagItemRef item = newDrugBagItem();
  item->藥品代碼(u"A012345100");
  item->藥品名稱(name);
  item->中文藥名(u"普拿疼");
  item->藥品劑量(u"500mg");
  item->藥品頻率(u"每日三次(早上、中午以及晚上各一次)");
  item->藥品用法(u"飯後服用");
  item->藥品用量(u"每次用量：1顆");
  item->藥品總量(u"84");
  item->藥品天份(days);
  item->藥品廠牌(u"GSK");
  item->藥品倉儲位置(u"A-01");
  item->適應症(u"解熱鎮痛");
  item->藥品形狀(u"白色圓形");
  item->藥品外觀(u"白色錠劑");
  item->其他用藥指示(u"避免開車");
  item->可能副作用(u"噁心");
  item->藥袋數(u"1");
  item->使用期限(u"2016/01/14");
  item->警語(u"勿與酒併服");
  return item;
}

inline std::string u8(const Text& text) {
  return toUtf8(text);
}

// A string of n characters (UTF-16 code units), Chinese, so that cuts are visible.
inline Text chars(int n) {
  static const Text kSource = u"一二三四五六七八九十";
  Text text;
  for (int i = 0; i < n; ++i) text += kSource[static_cast<size_t>(i) % kSource.size()];
  return text;
}

class LayoutTest : public ::testing::Test {
 protected:
  std::vector<LoggedPage> pages(double offX = 0.0, double offY = 0.0) const {
    return loggedPages(recorder, offX, offY);
  }

  // A receipt file for the job, named by the first drug, whose fees total 168.
  void fileReceipt(CDrugBagItem& first) const {
    folder.writeBig5("job.dprf", {u"120", u"48", u"50", u"118"});
    first.收據檔路徑(fromUtf8(folder.file("job.dprf")));
    first.藥品費(u"120");
    first.藥事服務費(u"48");
  }

  TempProgramFolder folder;
  RecordingPrinter recorder;
  RunState run;
  LayoutPrinter printer{recorder.surface(), run};
  DrugBagItemRef head = sampleHead();
};

}  // namespace pillora::testing
