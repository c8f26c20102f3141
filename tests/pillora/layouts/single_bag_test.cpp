#include <gtest/gtest.h>

#include <algorithm>

#include "pillora/layouts/layouts.h"
#include "tests/pillora/layouts/bag_fixture.h"

namespace pillora::testing {
namespace {

constexpr const char* kFooter = "專業醫療軟體製造商：澄朗科技有限公司";

class SingleBag : public BagLayoutTest {
 protected:
  // Draws the item with the offset form, then with the fixed form (so both use the
  // configured font), and returns the text lines.
  std::vector<std::string> bothForms(const CDrugBagItem& item) {
    recorder.clear();
    printSingleDrugBagOffset(printer, item);
    printSingleDrugBag(printer, item);
    return textLines();
  }
};

TEST_F(SingleBag, FixedFormDrawsEveryRowInThePrintersFontAndEndsTheDocument) {
  printSingleDrugBag(printer, ownNamesItem());
  const std::string f = "PenFont";
  const std::vector<std::string> expected{
      textAt(0.0, 0.0, f, "24", "藥局名稱      廣告標語"),
      textAt(4.5, 9.3, f, "16", "藥局電話 ／ 藥局地址"),
      textAt(3.2, 10.7, f, "12", "藥師姓名"),
      textAt(3.2, 11.9, f, "10", "處方醫師姓名"),
      textAt(10.8, 10.7, f, "14", "調劑日期"),
      textAt(10.8, 11.9, f, "14", "醫療院所"),
      textAt(8.5, 13.0, f, "16", "慢箋可調次數"),
      textAt(13.5, 13.0, f, "16", "慢箋本次次數"),
      textAt(3.5, 13.7, f, "20", "病患姓名 ／ 病患電話"),
      textAt(13.0, 13.7, f, "16", "病患年齡"),
      textAt(0.5, 16.0, f, "10", "藥品名稱藥品代碼"),
      textAt(0.5, 16.8, f, "10", "中文藥名"),
      textAt(0.5, 16.5, f, "10", "藥品劑量"),
      textAt(8.5, 16.0, f, "12", "藥品用法"),
      textAt(8.5, 17.5, f, "12", "藥品頻率"),
      textAt(8.5, 18.0, f, "12", "藥品用量"),
      textAt(0.5, 17.5, f, "10", "廠牌：藥品廠牌"),
      textAt(12.5, 16.0, f, "12", "藥品天份"),
      textAt(14.5, 16.0, f, "12", "藥品總量"),
      textAt(4.0, 20.5, f, "10", "藥品外觀 ／ 藥品形狀"),
      textAt(2.5, 21.3, f, "10", "適應症"),
      textAt(2.5, 22.9, f, "10", "其他用藥指示"),
      textAt(2.5, 24.3, f, "10", "可能副作用"),
      textAt(10.5, 19.7, f, "20", "藥袋數"),
      textAt(10.5, 21.5, f, "14", "使用期限"),
      textAt(10.5, 23.0, f, "14", "保存方式"),
      textAt(10.5, 24.3, f, "10", "警語"),
      textAt(10.5, 26.5, f, "9", kFooter),
      "enddoc",
  };
  EXPECT_EQ(recorder.lines(), expected);
}

TEST_F(SingleBag, OffsetFormDrawsInTheConfiguredFontWithoutAppearanceAndEndsThePage) {
  printSingleDrugBagOffset(printer, ownNamesItem());
  const std::string f = "標楷體";
  const std::vector<std::string> expected{
      textAt(4.8, 0.2, f, "24", "藥局名稱      廣告標語"),
      textAt(10.3, 9.5, f, "16", "藥局電話 ／ 藥局地址"),
      textAt(9.0, 10.9, f, "14", "藥師姓名"),
      textAt(9.0, 12.1, f, "10", "處方醫師姓名"),
      textAt(16.3, 10.9, f, "14", "調劑日期"),
      textAt(16.3, 11.9, f, "14", "醫療院所"),
      textAt(14.3, 13.2, f, "16", "慢箋可調次數"),
      textAt(19.3, 13.2, f, "16", "慢箋本次次數"),
      textAt(9.8, 14.0, f, "20", "病患姓名 ／ 病患電話"),
      textAt(18.8, 14.0, f, "16", "病患年齡"),
      textAt(5.3, 16.2, f, "10", "藥品名稱藥品代碼"),
      textAt(6.3, 16.8, f, "10", "中文藥名"),
      textAt(6.3, 16.7, f, "10", "藥品劑量"),
      textAt(14.3, 16.2, f, "12", "藥品用法"),
      textAt(14.3, 17.7, f, "12", "藥品頻率"),
      textAt(14.3, 18.2, f, "14", "藥品用量"),
      textAt(5.3, 17.7, f, "10", "廠牌：藥品廠牌"),
      textAt(18.3, 16.2, f, "12", "藥品天份"),
      textAt(20.3, 16.2, f, "12", "藥品總量"),
      textAt(8.3, 21.5, f, "10", "適應症"),
      textAt(9.8, 20.2, f, "10", "藥品形狀"),
      textAt(9.3, 23.1, f, "10", "其他用藥指示"),
      textAt(9.3, 24.5, f, "10", "可能副作用"),
      textAt(16.3, 20.2, f, "20", "藥袋數"),
      textAt(16.3, 21.5, f, "14", "使用期限"),
      textAt(16.3, 23.1, f, "14", "保存方式"),
      textAt(16.3, 24.5, f, "10", "警語"),
      textAt(16.3, 26.7, f, "8", kFooter),
      "newpage",
  };
  EXPECT_EQ(recorder.lines(), expected);
}

TEST_F(SingleBag, OnlyTheOffsetFormMovesWithTheLayoutOffsets) {
  folder.writeBig5("layout.config", {u"1,2"});
  printer.loadLayoutConfig();
  CDrugBagItem item;
  item.藥局名稱(u"杏林藥局");
  printSingleDrugBagOffset(printer, item);
  printSingleDrugBag(printer, item);
  const std::vector<std::string> lines = textLines();
  EXPECT_EQ(lines.front(), textAt(5.8, 2.2, "標楷體", "24", "杏林藥局      "));
  // The fixed form keeps its place, in the font the offset form left behind.
  EXPECT_EQ(lines.at(28), textAt(0.0, 0.0, "標楷體", "24", "杏林藥局      "));
}

// The four long texts go on two lines past 14 characters: 13, then the rest. Each case:
// the field, and the page y of its first and second line in the fixed and the offset form.
struct WrappedRow {
  Field field;
  double fixedX, fixedY, fixedSecondY;
  double offsetX, offsetY, offsetSecondY;
};

const std::array<WrappedRow, 4> kWrappedRows{{
    {Field::適應症, 2.5, 21.3, 21.9, 8.3, 21.5, 22.1},
    {Field::其他用藥指示, 2.5, 22.9, 23.7, 9.3, 23.1, 23.7},
    {Field::可能副作用, 2.5, 24.3, 24.9, 9.3, 24.5, 25.1},
    {Field::警語, 10.5, 24.3, 24.9, 16.3, 24.5, 25.1},
}};

TEST_F(SingleBag, LongTextsWrapAfterFourteenCharactersInBothForms) {
  const std::string head = "一二三四五六七八九十壹貳參";
  const std::string fourteen = head + "肆";
  const std::string fifteen = fourteen + "伍";
  for (const WrappedRow& row : kWrappedRows) {
    SCOPED_TRACE(static_cast<int>(row.field));
    CDrugBagItem item;
    item.set(row.field, fromUtf8(fourteen));
    EXPECT_EQ(notLoggedOnce(bothForms(item),
                            {
                                textAt(row.fixedX, row.fixedY, "標楷體", "10", fourteen),
                                textAt(row.offsetX, row.offsetY, "標楷體", "10", fourteen),
                            }),
              kNoneMissing);

    item.set(row.field, fromUtf8(fifteen));
    EXPECT_EQ(notLoggedOnce(bothForms(item),
                            {
                                textAt(row.fixedX, row.fixedY, "標楷體", "10", head),
                                textAt(row.fixedX, row.fixedSecondY, "標楷體", "10", "肆伍"),
                                textAt(row.offsetX, row.offsetY, "標楷體", "10", head),
                                textAt(row.offsetX, row.offsetSecondY, "標楷體", "10", "肆伍"),
                            }),
              kNoneMissing);
  }
}

// A line break ends the first line of a wrapped row; the rest goes on the second line.
TEST_F(SingleBag, ALineBreakEndsTheFirstLineOfAWrappedRow) {
  for (const WrappedRow& row : kWrappedRows) {
    SCOPED_TRACE(static_cast<int>(row.field));
    CDrugBagItem item;
    item.set(row.field, u"一二三\r\n四五\r六");
    EXPECT_EQ(notLoggedOnce(bothForms(item),
                            {
                                textAt(row.fixedX, row.fixedY, "標楷體", "10", "一二三"),
                                textAt(row.fixedX, row.fixedSecondY, "標楷體", "10", "四五 六"),
                                textAt(row.offsetX, row.offsetY, "標楷體", "10", "一二三"),
                                textAt(row.offsetX, row.offsetSecondY, "標楷體", "10", "四五 六"),
                            }),
              kNoneMissing);
  }
}

TEST_F(SingleBag, ShortTextsAndTheOtherRowsStayOnOneLine) {
  CDrugBagItem item;
  item.可能副作用(u"頭暈嗜睡口乾噁心便秘");
  item.藥局名稱(u"一二三四五六七八九十壹貳參肆伍陸");
  const std::vector<std::string> lines = bothForms(item);
  EXPECT_EQ(lines.size(), 28U + 28U);  // each form draws 28 of the 29 rows
  EXPECT_EQ(notLoggedOnce(lines, {textAt(9.3, 24.5, "標楷體", "10", "頭暈嗜睡口乾噁心便秘"),
                                  textAt(2.5, 24.3, "標楷體", "10", "頭暈嗜睡口乾噁心便秘")}),
            kNoneMissing);
  EXPECT_EQ(drawnText(lines.front()), "一二三四五六七八九十壹貳參肆伍陸      ");
}

TEST_F(SingleBag, ShapeIsBlankedByTheShapeMarkerInBothForms) {
  folder.touch("180208.config");
  CDrugBagItem item;
  item.藥品外觀(u"白色圓形");
  item.藥品形狀(u"錠劑");
  printSingleDrugBag(printer, item);
  printSingleDrugBagOffset(printer, item);
  const std::vector<std::string> texts = drawnTexts(recorder.lines());
  EXPECT_EQ(notLoggedOnce(texts, {"白色圓形 ／ "}), kNoneMissing);
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "錠劑"), 0);
}

}  // namespace
}  // namespace pillora::testing
