#include "pillora/config/config.h"

#include <gtest/gtest.h>

#include "tests/support/temp_folder.h"

namespace pillora {
namespace {

struct Loaded {
  std::int16_t drugsPerPage;
  float lineHeight;
  std::int16_t fontSize;
  Text fontName;
};

Loaded load(const testing::TempProgramFolder& folder, const std::vector<Text>& lines) {
  folder.writeBig5("DrugBag.config", lines);
  CContext context;
  const CConfig& c = context.getConfig();
  return {c.多藥一袋單頁藥數(), c.多藥一袋藥品行高(), c.字型Size(), c.字型名稱()};
}

TEST(Settings, DefaultsWithoutTheFile) {
  testing::TempProgramFolder folder;
  CContext context;
  const CConfig& c = context.getConfig();
  EXPECT_EQ(c.多藥一袋單頁藥數(), 5);
  EXPECT_EQ(c.多藥一袋藥品行高(), 1.5F);
  EXPECT_EQ(c.字型Size(), 14);
  EXPECT_EQ(c.字型名稱(), u"標楷體");
  EXPECT_EQ(&context.getConfig(), &c);  // made once per context
}

TEST(Settings, ReadsTheFourElementsInAnyOrderAndSpreadOverLines) {
  testing::TempProgramFolder folder;
  const Loaded a =
      load(folder, {u"<cfg><字型名稱>微軟正黑體</字型名稱><字型Size>12.5</字型Size>",
                    u"<多藥一袋藥品行高>1.2</多藥一袋藥品行高><多藥一袋單頁藥數 v=\"1\">",
                    u"6</多藥一袋單頁藥數></cfg>"});
  EXPECT_EQ(a.drugsPerPage, 6);
  EXPECT_EQ(a.lineHeight, 1.2F);
  EXPECT_EQ(a.fontSize, 12);  // 12.5 goes to the even neighbour
  EXPECT_EQ(a.fontName, u"微軟正黑體");
  EXPECT_EQ(load(folder, {u"<字型Size> 13.5 </字型Size>"}).fontSize, 14);
}

TEST(Settings, ABadNumberKeepsItsDefaultAndTheOtherValuesStillLoad) {
  testing::TempProgramFolder folder;
  const Loaded a = load(folder, {u"<多藥一袋藥品行高>abc</多藥一袋藥品行高>",
                                 u"<字型Size>99999</字型Size><字型名稱>細明體</字型名稱>"});
  EXPECT_EQ(a.drugsPerPage, 5);  // missing element
  EXPECT_EQ(a.lineHeight, 1.5F);
  EXPECT_EQ(a.fontSize, 14);  // out of the 16-bit range
  EXPECT_EQ(a.fontName, u"細明體");
}

TEST(Settings, AnEmptyFontNameElementGivesAnEmptyName) {
  testing::TempProgramFolder folder;
  const Loaded a = load(folder, {u"<字型名稱></字型名稱><多藥一袋單頁藥數>3</多藥一袋單頁藥數>"});
  EXPECT_EQ(a.fontName, u"");
  EXPECT_EQ(a.drugsPerPage, 3);
}

}  // namespace
}  // namespace pillora
