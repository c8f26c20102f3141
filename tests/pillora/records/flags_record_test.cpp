#include <gtest/gtest.h>

#include <filesystem>

#include "pillora/flags/flags.h"
#include "pillora/records/drug_bag_item.h"
#include "tests/support/temp_folder.h"

namespace pillora {
namespace {

TEST(FlagFiles, OnlyAnOrdinaryFileInTheProgramFolderCountsWhateverItsCase) {
  testing::TempProgramFolder folder;
  EXPECT_FALSE(isBlankBody());
  std::filesystem::create_directory(folder.file("BlankBody.config"));
  EXPECT_FALSE(isBlankBody());  // a folder of that name is no marker
  // Gone before the file comes: on Windows one name ignoring case cannot hold both.
  std::filesystem::remove(folder.file("BlankBody.config"));
  folder.touch("blankbody.CONFIG");
  EXPECT_TRUE(isBlankBody());
  folder.remove("blankbody.CONFIG");
  EXPECT_FALSE(isBlankBody());  // outside a job, never cached
}

TEST(FlagFiles, AJobSeesTheMarkersOfItsStart) {
  testing::TempProgramFolder folder;
  folder.touch("ISPHARMACYUP.config");
  {
    const MarkerListing job;
    folder.touch("BlankBody.config");
    folder.remove("ISPHARMACYUP.config");
    EXPECT_TRUE(isPharmacyUp());
    EXPECT_FALSE(isBlankBody());
    EXPECT_EQ(pilloraFile("isPharmacyUp.config"), folder.file("ISPHARMACYUP.config"));
  }
  EXPECT_FALSE(isPharmacyUp());
  EXPECT_TRUE(isBlankBody());
}

TEST(FlagFiles, AMarkerInTheWorkingFolderOnlyHasNoEffect) {
  testing::TempProgramFolder program;
  testing::TempProgramFolder elsewhere;  // its constructor moved PILLORA_HOME there
  testing::setEnvironment("PILLORA_HOME", program.path());
  elsewhere.touch("151014.config");
  const auto before = std::filesystem::current_path();
  std::filesystem::current_path(elsewhere.path());
  EXPECT_FALSE(isFlag151014());
  std::filesystem::current_path(before);
  program.touch("151014.config");
  EXPECT_TRUE(isFlag151014());
}

TEST(DrugBagItem, NewItemIsEmptyAndSettersKeepValuesUnchanged) {
  testing::TempProgramFolder folder;
  CDrugBagItem item;
  for (int i = 0; i < kTextFieldCount; ++i) EXPECT_EQ(item.get(static_cast<Field>(i)), u"");
  EXPECT_FALSE(item.IsMutilDrug());
  item.藥品名稱(u"  Panadol  ");
  item.藥品名稱(u" 普拿疼 ");
  EXPECT_EQ(item.藥品名稱(), u" 普拿疼 ");
  item.藥局電話(u"02-1234");
  EXPECT_EQ(item.get(Field::藥局電話), u"02-1234");
  item.IsMutilDrug(true);
  EXPECT_TRUE(item.IsMutilDrug());
}

TEST(DrugBagItem, GetterRulesFollowTheMarkersOnEveryRead) {
  testing::TempProgramFolder folder;
  CDrugBagItem item;
  folder.touch("220306.config");
  EXPECT_EQ(item.病患姓名(), u"姓名:");
  EXPECT_EQ(item.調劑日期(), u"調劑日:");
  item.病患姓名(u"王小明");
  item.調劑日期(u"2007/05/06");
  EXPECT_EQ(item.病患姓名(), u"姓名:王小明");
  EXPECT_EQ(item.調劑日期(), u"調劑日:2007/05/06");
  folder.remove("220306.config");
  EXPECT_EQ(item.病患姓名(), u"王小明");

  item.藥品形狀(u"白色圓形");
  folder.touch("180208.config");
  EXPECT_EQ(item.藥品形狀(), u"");
  folder.remove("180208.config");
  EXPECT_EQ(item.藥品形狀(), u"白色圓形");
}

TEST(DrugBagItem, SharedReferencesSeeOneObject) {
  const DrugBagItemRef first = newDrugBagItem();
  const DrugBagItemRef second = first;
  second->醫療院所(u"台大醫院     ");
  EXPECT_EQ(first->醫療院所(), u"台大醫院     ");
}

}  // namespace
}  // namespace pillora
