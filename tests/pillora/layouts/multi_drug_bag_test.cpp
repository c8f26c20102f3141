#include <gtest/gtest.h>

#include "pillora/layouts/layouts.h"
#include "tests/pillora/layouts/bag_fixture.h"

namespace pillora::testing {
namespace {

constexpr const char* kFont = "PenFont";
constexpr const char* kFooter = "專業醫療軟體製造商：澄朗科技有限公司";
constexpr size_t kHeaderRows = 10;

class MultiDrugBag : public BagLayoutTest {
 protected:
  // The drug rows drawn for the item: what lies between the header rows and the footer,
  // which must close the bag and its document.
  std::vector<std::string> drugRows(const CDrugBagItem& item) {
    recorder.clear();
    printMultiDrugBag(printer, item);
    const std::vector<std::string>& lines = recorder.lines();
    if (lines.size() < kHeaderRows + 2) {
      ADD_FAILURE() << "only " << lines.size() << " lines drawn";
      return {};
    }
    EXPECT_EQ(lines[lines.size() - 2], textAt(10.5, 26.5, kFont, "9", kFooter));
    EXPECT_EQ(lines.back(), "enddoc");
    return {lines.begin() + kHeaderRows, lines.end() - 2};
  }
};

TEST_F(MultiDrugBag, DrawsTheHeaderAndOneRowPerDrugInThePrintersFont) {
  CDrugBagItem item = ownNamesItem();
  item.藥品名稱(u"Panadol@Loxonin@Mucosolvan");
  item.中文藥名(u"普拿疼@樂松@沐舒痰");
  item.藥品用量(u"1顆@2顆@半顆");
  item.藥品用法(u"PO@POPC@XX");
  item.藥品總量(u"9@18@3");
  printMultiDrugBag(printer, item);
  const std::vector<std::string> expected{
      textAt(0.0, 0.0, kFont, "24", "藥局名稱      廣告標語"),
      textAt(4.5, 9.3, kFont, "16", "藥局電話 ／ 藥局地址"),
      textAt(3.2, 10.7, kFont, "12", "藥師姓名"),
      textAt(3.2, 11.9, kFont, "12", "處方醫師姓名"),
      textAt(10.8, 10.7, kFont, "14", "調劑日期"),
      textAt(10.8, 11.9, kFont, "14", "醫療院所"),
      textAt(8.5, 13.0, kFont, "16", "慢箋可調次數"),
      textAt(13.5, 13.0, kFont, "16", "慢箋本次次數"),
      textAt(3.5, 13.7, kFont, "20", "病患姓名 ／ 病患電話"),
      textAt(13.0, 13.7, kFont, "16", "病患年齡 ／ 病患性別"),
      textAt(0.5, 16.0, kFont, "10", "Panadol"),
      textAt(0.5, 18.2, kFont, "10", "Loxonin"),
      textAt(0.5, 20.0, kFont, "10", "Mucosolvan"),
      textAt(0.5, 16.5, kFont, "10", "普拿疼"),
      textAt(16.5, 17.5, kFont, "10", "樂松"),
      textAt(18.5, 19.0, kFont, "10", "沐舒痰"),
      textAt(8.5, 16.5, kFont, "16", "(每次用量：1顆)"),
      textAt(8.5, 18.7, kFont, "16", "(每次用量：2顆)"),
      textAt(8.5, 20.5, kFont, "16", "(每次用量：半顆)"),
      textAt(8.5, 17.0, kFont, "16", "口服"),
      textAt(8.5, 19.5, kFont, "16", "飯後口服"),
      textAt(8.5, 21.2, kFont, "16", "XX"),
      textAt(16.5, 16.5, kFont, "16", "9"),
      textAt(16.5, 18.7, kFont, "16", "18"),
      textAt(16.5, 20.5, kFont, "16", "3"),
      textAt(10.5, 26.5, kFont, "9", kFooter),
      "enddoc",
  };
  EXPECT_EQ(recorder.lines(), expected);
}

TEST_F(MultiDrugBag, EmptyLaterPartsAreNotDrawn) {
  CDrugBagItem item;
  item.藥品名稱(u"Panadol@Loxonin@");
  item.中文藥名(u"普拿疼@@沐舒痰");
  item.藥品用量(u"1@2@");
  EXPECT_EQ(drugRows(item), (std::vector<std::string>{
                                textAt(0.5, 16.0, kFont, "10", "Panadol"),
                                textAt(0.5, 18.2, kFont, "10", "Loxonin"),
                                textAt(0.5, 16.5, kFont, "10", "普拿疼"),
                                textAt(18.5, 19.0, kFont, "10", "沐舒痰"),
                                textAt(8.5, 16.5, kFont, "16", "(每次用量：1)"),
                                textAt(8.5, 18.7, kFont, "16", "(每次用量：2)"),
                            }));
}

TEST_F(MultiDrugBag, EmptyFieldsAreSkippedButTheFirstNameIsAlwaysDrawn) {
  EXPECT_EQ(drugRows(CDrugBagItem()),
            (std::vector<std::string>{textAt(0.5, 16.0, kFont, "10", "")}));

  // A field that is not empty draws its first part even when that part is empty.
  CDrugBagItem item;
  item.藥品總量(u"@@");
  item.藥品用量(u"@5@");
  EXPECT_EQ(drugRows(item), (std::vector<std::string>{
                                textAt(0.5, 16.0, kFont, "10", ""),
                                textAt(8.5, 16.5, kFont, "16", "(每次用量：)"),
                                textAt(8.5, 18.7, kFont, "16", "(每次用量：5)"),
                                textAt(16.5, 16.5, kFont, "16", ""),
                            }));
}

TEST_F(MultiDrugBag, FieldsWithFewerThanThreePartsDrawThePartsTheyHave) {
  CDrugBagItem item;
  item.藥品名稱(u"Panadol@Loxonin");
  item.藥品總量(u"9");
  item.藥品用法(u"PO@EXT@IH@SC");  // a fourth part is not drawn
  EXPECT_EQ(drugRows(item), (std::vector<std::string>{
                                textAt(0.5, 16.0, kFont, "10", "Panadol"),
                                textAt(0.5, 18.2, kFont, "10", "Loxonin"),
                                textAt(8.5, 17.0, kFont, "16", "口服"),
                                textAt(8.5, 19.5, kFont, "16", "外用"),
                                textAt(8.5, 21.2, kFont, "16", "經口吸入"),
                                textAt(16.5, 16.5, kFont, "16", "9"),
                            }));
}

TEST_F(MultiDrugBag, RouteCodesAreExpandedExactly) {
  CDrugBagItem item;
  item.藥品用法(u"IRRE@po@PO ");
  const std::vector<std::string> texts = drawnTexts(drugRows(item));
  EXPECT_EQ(texts, (std::vector<std::string>{"", "依醫師指示服用", "po", "PO "}));
}

}  // namespace
}  // namespace pillora::testing
